// SPDX-License-Identifier: GPL-3.0-or-later
// The payload of dragged rows and the files a grid takes, without widgets.
#include "upfile/drop_rules.h"

#include <gtest/gtest.h>

#include <QDataStream>
#include <QIODevice>

#include "updata/up_file.h"

namespace tarnwick {
namespace {

TEST(RowDragPayload, RoundTripsAndRejectsWhatAnotherProgramCouldDrop) {
  const RowDrag rows{4242, 1, {5, 0, kMaxUPCount - 1}};
  const std::optional<RowDrag> back = DecodeRowDrag(EncodeRowDrag(rows));
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->process, 4242);
  EXPECT_EQ(back->sourceFile, 1);
  EXPECT_EQ(back->ids, rows.ids);

  const QByteArray whole = EncodeRowDrag(rows);
  EXPECT_FALSE(DecodeRowDrag(whole.left(whole.size() - 1)));  // cut short
  EXPECT_FALSE(DecodeRowDrag(whole + QByteArray(1, '\0')));   // trailing bytes
  EXPECT_FALSE(DecodeRowDrag(EncodeRowDrag({1, 2, {0}})));    // no third file
  EXPECT_FALSE(DecodeRowDrag(EncodeRowDrag({1, 0, {}})));
  EXPECT_FALSE(DecodeRowDrag(EncodeRowDrag({1, 0, {-1}})));
  EXPECT_FALSE(DecodeRowDrag(EncodeRowDrag({1, 0, {kMaxUPCount}})));
  // A count far beyond what follows must not make the reader allocate or loop for it.
  QByteArray huge;
  QDataStream out(&huge, QIODevice::WriteOnly);
  out << qint64{1} << qint32{0} << quint32{0xFFFFFFFF} << qint32{0};
  EXPECT_FALSE(DecodeRowDrag(huge));
}

TEST(DroppedFiles, OnlyOneLocalUPSFileOpens) {
  const QUrl gig = QUrl::fromLocalFile(QStringLiteral("/music/Gig.UPS"));
  EXPECT_EQ(UPSFileOfUrls({gig}), QStringLiteral("/music/Gig.UPS"));
  EXPECT_EQ(UPSFileOfUrls({QUrl::fromLocalFile(QStringLiteral("/music/set.ups"))}), QStringLiteral("/music/set.ups"));
  EXPECT_TRUE(UPSFileOfUrls({gig, QUrl::fromLocalFile(QStringLiteral("/music/Lib.UPS"))}).isEmpty());
  EXPECT_TRUE(UPSFileOfUrls({QUrl::fromLocalFile(QStringLiteral("/music/notes.txt"))}).isEmpty());
  EXPECT_TRUE(UPSFileOfUrls({QUrl(QStringLiteral("https://example.org/Gig.UPS"))}).isEmpty());
}

}  // namespace
}  // namespace tarnwick
