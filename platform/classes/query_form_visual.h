#pragma once
// The visual part of a query form: a window, modal on the asking thread, with
// an operator and a value for each item, and (with quick queries) the named
// queries to load, save and delete.

namespace vx::classes {

class QueryFormClass;

// Shows the form; true when the user applied the conditions (they are then the query form's).
bool askQueryForm(QueryFormClass& query);

}  // namespace vx::classes
