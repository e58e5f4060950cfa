#include "shell/list_numbering.h"

namespace keyloom {

std::string NumberedItemText(std::size_t index, std::string_view item) {
  std::string text = index < kNumberedItems ? std::to_string(index + 1) + ". " : "    ";
  text += item;
  return text;
}

}  // namespace keyloom
