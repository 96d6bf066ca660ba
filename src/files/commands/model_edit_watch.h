#pragma once
// Marks the open work modified when the user edits the model texts, the level of confidence or the
// coverage method. The window's own filling of these fields (a switch, New, Open) is no change.
class TMainForm;

void WatchModelEdits(TMainForm& form);
