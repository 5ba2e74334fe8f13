// main_form.cpp: the one pointer to the game's window.
//
// The form's behaviour (its frame and its input handlers) belongs to the
// shell; every floor reaches the form through this pointer only.
#include "core/main_form.h"

TMainForm* MainForm = nullptr;
