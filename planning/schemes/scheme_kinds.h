#pragma once
// Everything in which the preventive and the diagnostic scheme windows differ;
// both windows and both forms are built from one of these two entries.

#include <string>

#include "dictionary/names.h"
#include "planning/schemes/measure_kind.h"
#include "platform/ui/control.h"
#include "platform/ui/window.h"

namespace vx::planning::schemes {

// Field names of a scheme record, in the order of the list's columns.
struct SchemeFieldNames {
    const char* id;
    const char* name;
    const char* species;
    const char* days;
    const char* heads;
    const char* treatments;
    const char* fixedDate;
    const char* youngDays;
    const char* youngHeads;
    const char* youngTreatments;
    const char* youngFixedDate;
    const char* description;
};

struct SchemeKind {
    MeasureKind kind;
    dct::AccessRef access;
    dct::RelateRef relate;
    int idKey;
    const char* prefix;  // of the control names: "?BOL:ID"
    SchemeFieldNames fields;

    // The list window
    const char* listProcedure;
    const char* listCaption;
    ui::ResizeStrategy listResize;
    const char* listTipTitle;
    const char* tabTitle;
    const char* insertCaption;
    const char* deleteTip;  // empty: none
    bool speciesIdColumn;
    ui::Colour planColour;
    const char* planTip;    // empty: none
    bool speciesNameFirst;  // ?ANI:NAME before ?IDTASK, else after the buttons
    bool chooseOnFocus;     // "Выбрать" acts when it receives the focus, else on any event

    // The form
    const char* formProcedure;
    const char* formCaption;
    const char* formTab;
    bool speciesComboFirst;  // first control of the tab, else last
    const char* idPrompt;
    const char* idTip;
    const char* namePrompt;
    const char* namePicture;
    const char* nameTip;
    bool youngDateFirst;  // young-stock group: date and calendar before the counts
    const char* youngDaysPrompt;
    const char* memoTip;
    const char* cancelCaption;
    const char* cancelTip;
    const char* cancelStatus;  // empty: none

    std::string control(const char* field) const { return std::string("?") + prefix + ":" + field; }
};

const SchemeKind& schemeKind(MeasureKind kind);

}  // namespace vx::planning::schemes
