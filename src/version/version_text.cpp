// SPDX-License-Identifier: GPL-3.0-or-later
#include "version/version_text.h"

#include "version/version.h"

namespace tarnwick {

std::string VersionText(std::string_view program) {
  std::string text(program);
  text += " (Tarnwick) ";
  text += version::kVersion;
  text += "\nLicence ";
  text += version::kLicenceId;
  text +=
      ": GNU GPL version 3 or later <https://www.gnu.org/licenses/gpl-3.0.html>.\n"
      "This is free software: you are free to change and redistribute it.\n"
      "There is NO WARRANTY, to the extent permitted by law.\n";
  return text;
}

}  // namespace tarnwick
