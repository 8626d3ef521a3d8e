// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/name_list_loading.h"

namespace tarnwick {

std::vector<std::string> LoadNameLists(NameTables& tables, const std::string& folder) {
  std::vector<std::string> messages;
  for (auto* load : {&LoadEFXList, &LoadToneList, &LoadDrumSetList, &LoadStyleList}) {
    std::string message = load(tables, folder);
    if (!message.empty()) messages.push_back(std::move(message));
  }
  return messages;
}

}  // namespace tarnwick
