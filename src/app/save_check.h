#pragma once

class TEditForm;

// The check offered before a save: when the library has errors and the user has not turned
// the offer off, asks whether to save anyway, show the problems or not save. Warnings alone
// never ask. True when the save goes on.
bool checkBeforeSave(TEditForm& form);
