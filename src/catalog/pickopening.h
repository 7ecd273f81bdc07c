#pragma once

#include "entry/scriptopenings.h"

// "pick:CODE:BUTTON:ROW[:ITEM]" of an entry script: a double-click on row ROW of the list that
// button BUTTON of menu CODE shows, under the item ITEM (its numbered or bare name; the current
// item when left out), filling the data entry window as a catalog pick does.
std::unique_ptr<ScriptOpening> parsePickOpening(const QString &argument, QString &error);
