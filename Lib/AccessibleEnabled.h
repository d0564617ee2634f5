#pragma once

// Qt Quick 5.15 never tells assistive technologies that an item is disabled:
// its accessible state has no such flag, so a screen reader (and AT-SPI)
// reports every disabled button as usable. After this call every Qt Quick
// item's accessible interface reports the item's own `enabled`, and a change
// of it is announced. Call once, before the first window is shown.
void reportDisabledItems();
