#pragma once

#include "warningsubject.h"

#include <QSet>
#include <QString>

namespace ParloxEd {

// The warnings the translator accepted as "not a problem" in the file open, remembered in the
// user's settings under the editor's registry key (its "AcceptedWarnings" subkey), one value
// per file named by the file's absolute path. The translations file itself never changes for
// them. Like the recent files, it is a convenience: settings that cannot be read remember
// nothing, an acceptance that cannot be written holds until the file is opened again, and
// nothing fails for that.
class AcceptedWarnings {
public:
    explicit AcceptedWarnings(const QString &editorKeyPath);

    // Reads what was accepted in that file; an empty path forgets everything.
    void load(const QString &filePath);
    bool contains(const WarningSubject &subject) const { return m_accepted.contains(subject); }
    void accept(const WarningSubject &subject);

private:
    QString m_keyPath;
    QString m_valueName;
    QSet<WarningSubject> m_accepted;
};

} // namespace ParloxEd
