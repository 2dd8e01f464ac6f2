#pragma once

#include <QList>
#include <QStatusBar>
#include <QStringList>

class QLabel;

namespace ParloxEd {

// A status bar divided into fixed-width text panels, left to right. The panel widths are a
// stored property (one number per panel, as texts), so the form data decides how many panels
// a bar has and how wide each is.
class StatusPanelBar : public QStatusBar {
    Q_OBJECT
    Q_PROPERTY(QStringList PanelWidths READ panelWidths WRITE setPanelWidths)

public:
    explicit StatusPanelBar(QWidget *parent = nullptr);

    QStringList panelWidths() const;
    // Rebuilds the panels; a width that is not a positive number makes an empty panel of 0.
    void setPanelWidths(const QStringList &widths);

    int panelCount() const { return int(m_panels.size()); }
    // The empty text for a panel that does not exist.
    QString panelText(int panel) const;
    void setPanelText(int panel, const QString &text);
    void clearPanels();
    // A short text at the bar's right end, apart from the panels (such as "Read-only"); an
    // empty text hides it.
    void setMarker(const QString &text);
    QString marker() const;

private:
    QList<QLabel *> m_panels;
    QLabel *m_marker = nullptr;
    QStringList m_texts; // as set, line breaks included
};

} // namespace ParloxEd
