#pragma once
// Group execution: every marked record of the current holding, farm and
// measure (the measure id compared exactly, so a .1 stage and its .2 stage are
// two measures) gets the statement, act and (diagnostic) expertise values as
// they are, blanks included, and, when those values make it done, all four
// counters 1 for stages .0, .1 and .2 alike. The counters are never set to 0;
// the marks stay. The farm's records are read through the place key.

#include <string>

#include "execution/operations/measure_rewrite.h"

namespace vx::execution {

// What makes a record done after the values are written.
enum class DoneRule {
    Act,             // an act number that is not blank, and an act date
    ActOrExpertise,  // an expertise number and date, or an act that reads as a number other than 0, and its date
};

struct GroupScope {
    Decimal holding, farm, measure;
    // IDHOZ, IDFERM and the kind's current measure (IDBOL, IDTASK).
    static GroupScope current(MeasureKind kind);
};

struct ExecutionValues {
    std::string statementNumber, statementDoc, actNumber, actDoc, expertiseNumber, expertiseDoc;
    Long statementDate = 0, actDate = 0, expertiseDate = 0;
    // NVEDJPIS, DVEDOPIS, PUTVPDOC, NAKT, DAKT, PUTAKTDOC, NEKSP, DEKSP, PUTEXPDOC.
    static ExecutionValues current();
};

bool isDone(DoneRule rule, const MeasureFields& r);

// `written` counts the selected records written back.
WriteTally executeMarked(MeasureKind kind, DoneRule rule, const GroupScope& scope, const ExecutionValues& values);

}  // namespace vx::execution
