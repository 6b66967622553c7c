#pragma once
// Deleting the selected controls (the Delete command and key).
class DialogDocument;
class Prompter;

// Deletes every selected control. With `promptTab` on and the tab control selected while one
// of its pages holds controls, the user is asked first; FALSE when the answer is No and
// nothing was deleted.
bool DeleteSelection(DialogDocument& doc, Prompter* prompt, bool promptTab);
