#pragma once
// The per-type defaults that new controls receive from the palette: one record per control
// type, each field named after its key in "defaults.ini" and holding that key's default.
#include <array>

#include "model/mvControls.h"

struct ControlDefaults {
    bool Enabled = false; // apply this record to new controls of the type
    int AlignIndex = 0;   // Alignment
    int GenType = 0;      // Kind
    int Width = 50;
    int Height = 50;
    bool DimenDBU = false; // Width and Height are in dialog units
    bool UseX = false;     // apply Width
    bool UseY = false;     // apply Height
    bool StylesDisable = false;
    bool StylesHide = false;
    bool StylesGroup = false;
    bool StylesResult = false;
    bool StylesVSBar = false;
    bool StylesHSBar = false;
    bool StylesSize = false; // ForceSize
    bool StylesSort = false;
    bool StylesExtSel = false;
    bool StylesEdit = false; // combo Editable
    bool StylesAutoHS = false;
    bool StylesAutoVS = false;
    bool StylesMulti = false; // MultiLine of edits and buttons
    bool StylesPass = false;
    bool StylesRead = false;
    bool StylesReturn = false;
    int StylesLimit = 0;
    bool StylesNoBorder = false;
    int StylesRange = 0;  // RangeMin
    int StylesRange2 = 0; // RangeMax
    bool StylesState3 = false;
    bool StylesDefault = false;
    bool StylesFlat = false;
    bool StylesAutoSize = false;
    bool StylesNoWrap = false;

    bool operator==(const ControlDefaults&) const = default;
};

// The twelve records, indexed by type code.
using ControlDefaultsSet = std::array<ControlDefaults, kControlTypeCount>;

// Gives a new control what its type's record holds, when the record is enabled. With
// `autoStartSize` the user draws the size, so the record's size is not applied.
void ApplyControlDefaults(TmvControl& control, const ControlDefaults& record, bool autoStartSize);
void ApplyControlDefaults(TmvControl& control, const ControlDefaultsSet& records,
                          bool autoStartSize);
