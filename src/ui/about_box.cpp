// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/about_box.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrlQuery>
#include <QVBoxLayout>

#include "ui/build_info.h"
#include "ui/link_label.h"
#include "ui/pictures.h"

namespace tarnwick {
namespace {

constexpr int kIconSize = 64;

QLabel* AddLine(QVBoxLayout* lines, const QString& name, const QString& text) {
  auto* label = new QLabel(text);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  lines->addWidget(label);
  return label;
}

}  // namespace

QString VersionLine() {
  return QStringLiteral("Version %1.%2.%3").arg(build::kVersionMajor).arg(build::kVersionMinor).arg(build::kVersionPatch);
}

QUrl HomePageAddress() {
  const QString homePage = QString::fromUtf8(build::kHomePage);
  if (!homePage.isEmpty()) return QUrl(homePage);
  // The program sits in the prefix's bin folder; the README in the prefix's doc folder.
  const QDir prefix(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));
  return QUrl::fromLocalFile(QDir::cleanPath(prefix.filePath(QString::fromUtf8(build::kDocFolder) + QStringLiteral("/README.md"))));
}

QUrl MailAddress() {
  if (build::kContactEmail[0] == '\0') return {};
  QUrl address(QStringLiteral("mailto:") + QString::fromUtf8(build::kContactEmail));
  QUrlQuery query;
  query.addQueryItem(QStringLiteral("subject"), QStringLiteral("Tarnwick"));
  address.setQuery(query);
  return address;
}

frmAbout::frmAbout(QWidget* parent, AddressOpener openAddress)
    : QDialog(parent), openAddress_(std::move(openAddress)) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(QStringLiteral("About"));
  if (!openAddress_) openAddress_ = [](const QUrl& address) { return QDesktopServices::openUrl(address); };

  auto* icon = new QLabel;
  icon->setPixmap(ProgramIcon().pixmap(kIconSize, kIconSize));
  icon->setAlignment(Qt::AlignTop);

  auto* lines = new QVBoxLayout;
  QLabel* title = AddLine(lines, QStringLiteral("lblTitle"), QStringLiteral("Tarnwick"));
  QFont titleFont = title->font();
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
  titleFont.setBold(true);
  title->setFont(titleFont);
  AddLine(lines, QStringLiteral("lblVersion"), VersionLine());
  AddLine(lines, QStringLiteral("lblReleaseDate"),
          QStringLiteral("Release date: ") + QString::fromUtf8(build::kReleaseDate));
  AddLine(lines, QStringLiteral("lblLicence"), QString::fromUtf8(build::kLicence));
  lines->addSpacing(8);

  const QUrl home = HomePageAddress();
  auto* homePage = new LinkLabel(home.isLocalFile() ? QDir::toNativeSeparators(home.toLocalFile()) : home.toString(), home,
                                 QStringLiteral("Tarnwick Homepage"));
  homePage->setObjectName(QStringLiteral("lblHomePage"));
  auto* mail = new LinkLabel(QString::fromUtf8(build::kContactEmail), MailAddress(),
                             QStringLiteral("Click to send an email to the author"));
  mail->setObjectName(QStringLiteral("lblEmail"));
  lines->addWidget(homePage);
  lines->addWidget(mail);
  mail->setVisible(!MailAddress().isEmpty());
  connect(homePage, &LinkLabel::opened, this, &frmAbout::openLink);
  connect(mail, &LinkLabel::opened, this, &frmAbout::openLink);

  auto* ok = new QPushButton(QStringLiteral("OK"));
  ok->setObjectName(QStringLiteral("cmdOK"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* body = new QHBoxLayout;
  body->addWidget(icon);
  body->addSpacing(12);
  body->addLayout(lines, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body);
  layout->addSpacing(8);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  ok->setFocus();
}

void frmAbout::openLink(const QUrl& address) { openAddress_(address); }

}  // namespace tarnwick
