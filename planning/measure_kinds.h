#pragma once
// The two measure kinds, preventive and diagnostic, as one table, so every twin
// reads its row instead of branching. A row holds what two or more features read
// of a kind: its files and their fields by meaning, the chosen-measure global, the
// names of its windows and reports, whether it has an expertise, and the captions
// of the scheme books and cards, whose windows live in planning/. What one feature
// alone shows stays in that feature's own kinds table (the register's panels, the
// journals, the measure forms, the calculator, the export's measure lists).
//
//                      preventive                diagnostic
//   measure records    VPO                       VDI
//   count records      PVSEGO                    DVSEGO
//   schemes            BOLEZN ("?BOL:ID")        TASK ("?TAS:IDTASK")
//   chosen measure     IDBOL                     IDTASK
//   scheme windows     BrwtaskVPO, UpdatetaskVPO BrwtaskVDI, UpdatetaskVDI
//   record forms       Updatevpo                 Updatevdi
//   reports            vpoPasport, vpoPrint      vdiPasport, vdiPrint

#include <cstdint>
#include <string>
#include <vector>

#include "context/current.h"
#include "dictionary/list_columns.h"
#include "dictionary/names.h"
#include "planning/planned_date.h"
#include "platform/core/fields.h"
#include "platform/ui/style.h"
#include "platform/ui/window.h"

namespace vx::planning {

enum class MeasureKind { Preventive, Diagnostic };
inline constexpr MeasureKind kMeasureKinds[] = {MeasureKind::Preventive, MeasureKind::Diagnostic};

// Field names of a scheme record by meaning.
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

// The fields of the running thread's scheme buffer of one kind.
struct SchemeFields {
    Dec& id;
    Byte& mark;
    Str& name;
    Dec& species;
    Dec& days;
    Dec& heads;
    Dec& treatments;
    Long& fixedDate;
    Dec& youngDays;
    Dec& youngHeads;
    Dec& youngTreatments;
    Long& youngFixedDate;
    Str& description;
};

// A copy of a scheme's values.
struct Scheme {
    Decimal id;
    Decimal species;
    std::string name;
    PlanSet mainHerd;
    PlanSet youngStock;
};

// A per-animal measure record read by meaning.
struct MeasureRecordView {
    Long passport = 0;  // PAS:ID
    Decimal measure;    // IDTASK, the scheme's id
    Long planned = 0;   // DATATASK
    Long act = 0;       // AKTDATA
    Long expertise = 0; // DEKSP; preventive records have none
    Long closing = 0;   // the document that closes the measure for the plan status: act (VPO), expertise (VDI)
    Decimal doneMain;   // GLVUP
    Decimal doneYoung;  // GOVUP
    bool reacted = false;  // REAKCIA 1: reacted positively
};

// A planned measure record to append.
struct PlannedMeasure {
    Long passport = 0;
    Decimal holding, farm;
    std::string animal;
    Decimal species, group, measure;
    Decimal heads, treatments;
    int32_t date = 0;
    Decimal preparation, norm;  // IDPREPARAT, NORMA; a card line sets them
};

// The scheme book of the kind and its two windows.
struct SchemeBook {
    dct::FileRefBase file;
    dct::AccessRef access;
    dct::RelateRef relate;
    int idKey;
    const char* prefix;  // of the control names: "?BOL:ID"
    SchemeFieldNames fields;
    SchemeFields (*buffered)();             // the running thread's buffer
    Scheme (*schemeOf)(const void* stored);  // a stored record of the file

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

// The per-animal measure records of the kind.
struct MeasureBook {
    dct::FileRefBase file;
    dct::AccessRef access;
    dct::RelateRef relate;
    int byMeasure;             // IDTASK
    int bySpeciesAndMeasure;   // VIDANIM, IDTASK
    int byPlace;               // starts with the holding and the farm
    const char* prefix;        // "VPO"
    const char* appendedOrder;  // of the lists of the records: by measure, then planned date
    const char* formProcedure;  // the record form
    MeasureRecordView (*viewOf)(const void* stored);
    MeasureRecordView (*buffered)();  // the running thread's buffer
    bool (*append)(store::Table& records, const PlannedMeasure& m);
};

// The standard cards of the kind: named bundles of scheme lines of one species,
// kept in two files of one shared layout each, and their list and two forms.
struct CardBook {
    dct::AccessRef cardAccess, lineAccess;
    dct::RelateRef cardRelate, lineRelate;
    int cardIdKey;    // cards by card id
    int lineCardKey;  // lines by their card's id
    const char* cardPrefix;  // of the control names: "?KAR:NAME"
    const char* linePrefix;  // "?SOD:IDTASK"
    dct::CardRecord& (*card)();  // the running thread's buffers
    dct::CardLineRecord& (*line)();

    // The list window
    const char* listCaption;
    const char* cardIdTitle;
    const char* cardNameTitle;
    const char* speciesIdTitle;
    const char* lineCardIdTitle;
    bool planBeforeLines;  // the plan button before the sheet of lines, else after the lines' buttons
    const char* planCaption;
    const char* planDone;

    // Both forms
    const dct::ColumnTable& (*speciesColumns)();
    const char* cancelCaption;

    // The card form
    const char* cardForm;
    const char* cardFormCaption;
    const char* cardIdTip;
    const char* cardNameTip;
    const char* cardMemoTip;

    // The line form
    const char* lineForm;
    const char* lineFormCaption;
    const char* lineViewStatus;
    const char* lineCardIdPrompt;
    const char* lineCardIdTip;
    const char* measureIdPrompt;
    const char* measureIdTip;
    const char* measureTip;        // of the measure drop list
    const char* measureFilter;     // the schemes of the species in IDVIDANIM
    const dct::ColumnTable& (*measureColumns)();

    std::string cardControl(const char* field) const { return std::string("?") + cardPrefix + ":" + field; }
    std::string lineControl(const char* field) const { return std::string("?") + linePrefix + ":" + field; }
};

// The count records of the calculator.
struct CountBook {
    dct::AccessRef access;
    int byPlace;
};

struct MeasureKindRow {
    MeasureKind kind;
    // Its measures end in an expertise: its number, date and document beside the act
    // (in the measure and the count records), and a measure record's reaction.
    bool expertise;
    MeasureBook measures;
    CountBook counts;
    SchemeBook schemes;
    glo::ChosenMeasureField chosenMeasure;  // IDBOL or IDTASK, set by "Выбрать" in the scheme list
    // A plan-status marking marks by the measure its picker last highlighted
    // (IDTASK, IDVIDANIM), else only by a scheme chosen with "Выбрать" in that run.
    bool marksByHighlighted;
    const char* cardListProcedure;  // the standard cards of the kind
    CardBook cards;
    // The reports of the kind's measures: the current animal's card and a journal query's control list.
    const char* cardReport;
    const char* controlReport;

    const char* planCaption;     // the plan for marked animals
    const char* planDone;
    const char* referenceTitle;  // A2 of the scheme reference sheet
    const char* analysisTemplateTitle;
    const char* boardTag;        // before the calculator board's heading
    const char* farmBoardHeading;  // the heading of a farm's board, before its measure; empty: none
};

const MeasureKindRow& measureKind(MeasureKind kind);

// Reads of the kind's scheme book through scans of their own (the thread's
// record buffers stay as they are); the book must be open on the running thread.
// Every scheme in measure-id order:
std::vector<Scheme> schemesById(MeasureKind kind);
// The name of the first scheme with exactly this measure id; "" when there is none.
std::string schemeName(MeasureKind kind, const Decimal& measureId);

}  // namespace vx::planning
