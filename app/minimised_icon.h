// Where the main dialog draws its icon while minimised: centred in the client area, each coordinate
// (client - icon + 1) / 2 with C++'s division, which truncates toward zero (so -31 / 2 is -15, not -16).
#pragma once

struct IconOrigin {
  int x;
  int y;
};

constexpr IconOrigin minimisedIconOrigin(int clientWidth, int clientHeight, int iconWidth, int iconHeight) {
  return {(clientWidth - iconWidth + 1) / 2, (clientHeight - iconHeight + 1) / 2};
}
