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
