// SPDX-License-Identifier: GPL-3.0-or-later
// frmAbout: the program's name, version, release date and licence, with a link to the home page
// (the installed README while the project has none) and, once there is an address, one for
// writing to the author.
#pragma once

#include <functional>

#include <QDialog>
#include <QUrl>

namespace tarnwick {

// "Version 1.2.3" from the build's version numbers.
QString VersionLine();
QUrl HomePageAddress();
QUrl MailAddress();  // mailto: with the program's name as the subject; empty without an address

class frmAbout : public QDialog {
  Q_OBJECT

 public:
  // `openAddress` hands an address to the system (web browser, mail program); tests pass their
  // own. It reports whether the system took it.
  using AddressOpener = std::function<bool(const QUrl&)>;
  explicit frmAbout(QWidget* parent = nullptr, AddressOpener openAddress = {});

 private:
  void openLink(const QUrl& address);

  AddressOpener openAddress_;
};

}  // namespace tarnwick
