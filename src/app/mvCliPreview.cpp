// marovel --preview PROJECT.mv
#include "app/mvCliModes.h"
#include "app/mvCommandLine.h"
#include "io/mvPreview.h"
#include "io/mvSettings.h"

int RunPreview(const QStringList& args) {
    if (args.size() != 2 || args[1].isEmpty()) return kExitUsage;
    TmvCliProject project;
    const Settings settings = LoadSettings(&project.Console.Prompt);
    if (!project.Load(args[1])) return kExitFailed;
    TmvPreviewOptions options;
    options.DdeName = settings.DDEName;
    options.PreviewFix = settings.PreviewFix;
    return PreviewDialog(project.Document, options, project.Session.Ui) ? kExitOk : kExitFailed;
}
