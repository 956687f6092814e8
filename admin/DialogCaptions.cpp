#include "admin/DialogCaptions.h"

#include <QGroupBox>

void DialogCaptionsApply(QWidget *dialog, std::span<const DialogCaption> captions, int language)
{
    if (language < 0 || language > 2)
        return;
    for (const DialogCaption &c : captions) {
        const QString text = QString::fromUtf8(c.text[language]);
        if (!*c.control) {
            dialog->setWindowTitle(text);
        } else if (QWidget *w = dialog->findChild<QWidget *>(QLatin1String(c.control))) {
            if (auto *group = qobject_cast<QGroupBox *>(w))
                group->setTitle(text);
            else
                w->setProperty("text", text);
        }
    }
}
