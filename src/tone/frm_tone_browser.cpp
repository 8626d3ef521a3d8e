// SPDX-License-Identifier: GPL-3.0-or-later
#include "tone/frm_tone_browser.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "grid/filter_box.h"
#include "grid/grid_controls.h"
#include "grid/grid_header_button.h"
#include "grid/paged_grid_view.h"
#include "ui/form_helpers.h"
#include "ui/image_button.h"
#include "ui/mouse_wheel.h"
#include "ui/twips.h"
#include "updata/ansi_text.h"

namespace tarnwick {
namespace {

constexpr int kButtonSize = 28;
constexpr int kHeaderHeight = 22;
constexpr int kCellMargins = 8;  // the text margins on both sides and the grid line

// The three mark positions, in the order shown: none, after the name, before it (option index
// = markPos).
struct MarkOption {
  int markPos;
  const char* caption;
  const char* toolTip;
};
constexpr MarkOption kMarkOptions[] = {
    {0, "Piano 1", "Show, Sort and Filter [%1] without any Sound Canvas Level mark"},
    {2, "Piano 1\"", "Show, Sort and Filter [%1] with the Sound Canvas Level mark at the end"},
    {1, "\"Piano 1", "Show, Sort and Filter [%1] Sound Canvas Level mark, like the EM-2000 display"},
};

// The width of the longest name of the list as the grid shows it (with its level mark).
int LongestNamePixels(const NameTables& tables, bool drumSets, const QFontMetrics& metrics) {
  const std::size_t count = drumSets ? tables.drumSets.size() : tables.tones.size();
  int widest = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const int index = static_cast<int>(i);
    const std::string name = drumSets ? DrumSetNameAt(tables, index, 1) : ToneNameAt(tables, index, 1);
    widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(AnsiToUtf8(name))));
  }
  return widest;
}

void Name(QWidget* widget, const QString& objectName, const QString& accessible) {
  widget->setObjectName(objectName);
  widget->setAccessibleName(accessible);
}

}  // namespace

frmToneBrowser::frmToneBrowser(const BrowserKind& kind, const NameTables& tables, const BrowserSettings& settings,
                               BrowserMidi midi, QWidget* parent)
    : QWidget(parent), kind_(kind), settings_(settings), midi_(std::move(midi)) {
  setObjectName(QStringLiteral("frmTone_%1").arg(kind_.windowNumber));
  setAccessibleName(QString::fromLatin1(kind_.heading));
  setAutoFillBackground(true);
  model_ = new BrowserModel(tables, kind_.drumSets, this);
  grid_ = new PagedGridView(kind_.objectName("Grid_%1"), kBrowserPageRows, this);
  grid_->setAccessibleName(QString::fromLatin1(kind_.heading));
  grid_->setModel(model_);
  namePixels_ = LongestNamePixels(tables, kind_.drumSets, grid_->fontMetrics());
  for (int col = 0; col < kBrowserColumnCount; ++col) grid_->setColumnWidth(col, columnPixels(col));
  wheel_ = new MWheel(this);
  wheel_->setObjectName(QStringLiteral("MWheel1"));

  title_ = new QLabel(QString::fromLatin1(kind_.heading), this);
  title_->setObjectName(QStringLiteral("lbl_Title"));
  QFont big = title_->font();
  big.setBold(true);
  big.setPointSizeF(big.pointSizeF() * 1.3);
  title_->setFont(big);

  QWidget* options = buildOptions();
  auto* left = new QVBoxLayout;
  left->setSpacing(2);
  left->addWidget(buildCounterRow());
  left->addWidget(buildHeaderRow());
  left->addWidget(buildFilterRow());
  left->addWidget(grid_);
  left->addSpacing(4);
  left->addWidget(showPlus_);
  left->addWidget(gridToMidiOut_);
  left->addStretch(1);
  auto* right = new QVBoxLayout;
  right->setSpacing(4);
  right->addWidget(options);
  right->addWidget(buildChannels());
  right->addStretch(1);
  auto* body = new QHBoxLayout;
  body->addLayout(left);
  body->addLayout(right, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(title_);
  layout->addLayout(body, 1);

  connectControls();
  connectFilters();
  // Load: ascending by ID (the order starts at 2 so that the first click on column 0 turns it to 1).
  sort_.SortCol = kBrowserColID;
  sort_.SortDir = kSortDescending;
  for (int col = 0; col < kBrowserColumnCount; ++col) showHeaderLook(col);
  SortGridByHeader(kBrowserColID);
  Fill();
}

frmToneBrowser::~frmToneBrowser() { wheel_->DisableWheel(); }

int frmToneBrowser::columnPixels(int col) const {
  const int widest = col == kBrowserColName ? namePixels_ : grid_->fontMetrics().horizontalAdvance(QStringLiteral("2038"));
  return std::max(TwipsToPixels(BrowserColumnWidthTwips(kind_, col)), widest + kCellMargins);
}

QWidget* frmToneBrowser::buildOptions() {
  auto* host = new QWidget(this);
  auto* layout = new QVBoxLayout(host);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(1);
  auto* group = new QButtonGroup(host);
  for (const MarkOption& option : kMarkOptions) {
    auto* button = new QRadioButton(QString::fromLatin1(option.caption), host);
    const QString tip = QString::fromLatin1(option.toolTip).arg(QString::fromLatin1(kind_.word));
    Name(button, QStringLiteral("opt_MarkPos_%1").arg(option.markPos), tip);
    button->setToolTip(tip);
    group->addButton(button, option.markPos);
    markPos_[static_cast<std::size_t>(option.markPos)] = button;
    layout->addWidget(button);
  }
  if (settings_.markPos >= 0 && settings_.markPos <= 2) markPos_[static_cast<std::size_t>(settings_.markPos)]->setChecked(true);
  const QString plusWord = kind_.drumSets ? QStringLiteral("Drum Sets") : QStringLiteral("Tones");
  showPlus_ = new QCheckBox(QStringLiteral("Show  +") + plusWord, this);
  Name(showPlus_, QStringLiteral("chk_ShowPlus"), showPlus_->text());
  showPlus_->setToolTip(QStringLiteral("Show/Hide Plus (+)") + plusWord);
  showPlus_->setChecked(settings_.showPlus);
  gridToMidiOut_ = new QCheckBox(QStringLiteral("Grid -> Midi Out"), this);
  Name(gridToMidiOut_, QStringLiteral("chk_Grid_To_MidiOut"), gridToMidiOut_->text());
  gridToMidiOut_->setToolTip(QStringLiteral("Control if changes on Grid are send to Midi Out"));
  gridToMidiOut_->setChecked(settings_.gridToMidiOut);
  connect(group, &QButtonGroup::idClicked, this, [this](int markPos) {
    settings_.markPos = markPos;
    Fill();
    grid_->setFocus();
  });
  return host;
}

QWidget* frmToneBrowser::buildChannels() {
  auto* frame = new QGroupBox(QStringLiteral("Midi Channel"), this);
  frame->setObjectName(QStringLiteral("fra_Channel"));
  auto* layout = new QVBoxLayout(frame);
  layout->setContentsMargins(4, 2, 4, 2);
  layout->setSpacing(0);
  channels_ = new QButtonGroup(frame);
  for (const ChannelOption& option : kind_.channels) {
    auto* button = new QRadioButton(QString::fromLatin1(option.caption), frame);
    Name(button, QStringLiteral("opt_Channel_%1").arg(option.channel), button->text());
    channels_->addButton(button, option.channel);
    if (option.channel == settings_.channel) button->setChecked(true);
    layout->addWidget(button);
  }
  connect(channels_, &QButtonGroup::idClicked, this, [this](int channel) {
    settings_.channel = channel;
    grid_->setFocus();
  });
  return frame;
}

QWidget* frmToneBrowser::buildCounterRow() {
  auto* host = new QWidget(this);
  auto* row = TightRow(host, 4);
  counter_ = new RowCounter(kind_.objectName("lbl_Back_IDCnt_%1"), kind_.objectName("lbl_IDCnt_%1"), QSize(64, 22), host);
  connect(counter_, &RowCounter::pressed, this, [this] { grid_->setFocus(); });
  homeEnd_ = new ImageButton(QStringLiteral("TO_END"), host);
  Name(homeEnd_, kind_.objectName("cmd_%1_HomeEnd"), QStringLiteral("Go to End"));
  homeEnd_->setToolTip(QStringLiteral("Go to End"));
  homeEnd_->setProperty("tag", QStringLiteral("TO_END"));
  homeEnd_->setFixedSize(kButtonSize, kButtonSize);
  row->addWidget(counter_);
  row->addWidget(homeEnd_);
  row->addStretch(1);
  return host;
}

QWidget* frmToneBrowser::buildHeaderRow() {
  auto* host = new QWidget(this);
  auto* row = TightRow(host, 0);
  row->addSpacing(grid_->frameWidth());
  QFont small = font();
  small.setPointSizeF(small.pointSizeF() * 0.8);
  for (int col = 0; col < kBrowserColumnCount; ++col) {
    auto* header = new GridHeaderButton(kind_.objectName("cmd_Grid_%1_Header_") + QString::number(col), host);
    header->setFixedSize(columnPixels(col), kHeaderHeight);
    header->setFont(small);
    header->setToolTip(BrowserHeaderToolTip(kind_, col));
    header->setAccessibleName(BrowserHeaderToolTip(kind_, col));
    headers_[static_cast<std::size_t>(col)] = header;
    row->addWidget(header);
  }
  row->addStretch(1);
  return host;
}

QWidget* frmToneBrowser::buildFilterRow() {
  auto* host = new QWidget(this);
  auto* row = TightRow(host, 0);
  row->addSpacing(grid_->frameWidth());
  // The drum set window's button has always been spelt this way.
  const QString clearName = kind_.drumSets ? QStringLiteral("cmd_Drumset_ClearFilter") : QStringLiteral("cmd_Tone_ClearFilter");
  clearFilter_ = new ImageButton(QStringLiteral("CLEAR_FILTER"), host);
  Name(clearFilter_, clearName, QStringLiteral("Clear Filter"));
  clearFilter_->setToolTip(QStringLiteral("Clear Filter"));
  clearFilter_->setFixedSize(columnPixels(kBrowserColID), kHeaderHeight);
  row->addWidget(clearFilter_);
  for (int box = 1; box <= kBrowserFilterCount; ++box) {
    const QString name = kind_.objectName("txt_%1_Filter_") + QString::number(box);
    const QString tip = BrowserFilterToolTip(kind_, box);
    FilterRules rules = box == 1   ? NumberFilter(name, tip, 0, 127)
                        : box == 2 ? OneDigitFilter(name, tip, 1, 3)
                        : box == 3 ? NumberFilter(name, tip, 1, 128)
                                   : TextFilter(name, tip);
    auto* filter = new FilterBox(std::move(rules), host);
    filter->setFixedWidth(columnPixels(box));
    filters_[static_cast<std::size_t>(box)] = filter;
    row->addWidget(filter);
  }
  row->addStretch(1);
  return host;
}

}  // namespace tarnwick
