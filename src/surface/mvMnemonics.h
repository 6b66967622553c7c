#pragma once
// Access keys used twice: the letter after a lone "&" in a caption ("&&" is a literal "&"),
// among the controls the user can reach at once (the dialog's own controls and the tab pages'
// captions, with the controls of one page at a time) and among the entries of one menu level.
#include <QChar>
#include <QString>
#include <vector>

class DialogDocument;
class TmvControl;
class TmvMenuNode;

// The access key of a caption, in lower case; a null QChar when it has none.
QChar AccessKey(const QString& caption);
// Whether a control of this type takes the focus or labels one, so that its key counts.
bool HasAccessKey(int type);

struct TmvMnemonicClash {
    QChar Key;
    // The page of the tab control the clash is on (its controls with the dialog's), or -1 for
    // the dialog's own controls and the pages' captions.
    int Page = -1;
    std::vector<TmvControl*> Controls;
    std::vector<int> PageCaptions;           // tab pages whose captions carry the key
    std::vector<const TmvMenuNode*> Entries; // menu entries of one level
};

// Every key used more than once: the dialog's clashes, then each page's, then the menus',
// each group by key.
std::vector<TmvMnemonicClash> FindMnemonicClashes(const DialogDocument& doc);
