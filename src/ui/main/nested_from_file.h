#pragma once
// A calculated input can take its nested evaluation from another evaluation file: the whole tree of
// that file is copied into the open one when the input is created, and lives on inside it.
#include "model/records.h"

#include <QString>

class TInputEditor;
class TMainForm;

// "Завантажити стандартне з файлу...": asks for the file; the open file itself is refused, since
// it would nest the evaluation inside itself.
void ChooseNestedFile(TInputEditor& editor, const QString& currentFileName);

// A file has been chosen for the input being created, and it is not the open file.
bool HasNestedFile(const TInputEditor& editor, const QString& currentFileName);

// Reads the chosen file's tree, names its main evaluation `name` and stores it in the shown
// evaluation; the evaluation list and Evaluations gain it and everything below it, children before
// their parent. A file that cannot be read raises its error and nothing is added.
TOrmetaCalc* AttachNestedFile(TMainForm& form, TInputEditor& editor, const std::string& name);
