#pragma once

#include "estimate/document.h"
#include "output/printoptions.h"

// What one print run draws from: the compiled estimate sheet with the main window's fields and
// settings, and the choices of the print options window.
struct PrintJob {
    const EstimateDocument &doc;
    const PrintOptions &options;

    const Settings &settings() const { return doc.settings; }
    bool invoice() const { return doc.patan == 2; }
    // "金抜き印刷する": no amount or unit price on any page.
    bool noAmounts() const { return options.CheckBox5; }
};

// Geometry shared by the pages with the table frame (summary, detail and conditions pages).
namespace pageframe {
inline constexpr int left = 220;
inline constexpr int right = 4620;
inline constexpr int top = 450;
inline constexpr int bottom = 6606;
inline constexpr int pitch = 171;  // row height
inline constexpr int firstSlot = 665; // y of the first row under the heading
inline constexpr int slotCount = 35;
inline constexpr int footer = 6626;
inline constexpr int divider = 1383; // between name and specification

inline int slotY(int slot) // slot 1 to 35
{
    return firstSlot + pitch * (slot - 1);
}
} // namespace pageframe
