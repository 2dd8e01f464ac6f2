#include "statuspanelbar.h"

#include <QLabel>
#include <algorithm>

namespace ParloxEd {

StatusPanelBar::StatusPanelBar(QWidget *parent) : QStatusBar(parent) {}

QStringList StatusPanelBar::panelWidths() const
{
    QStringList widths;
    for (const QLabel *panel : m_panels)
        widths.append(QString::number(panel->minimumWidth()));
    return widths;
}

void StatusPanelBar::setPanelWidths(const QStringList &widths)
{
    qDeleteAll(m_panels);
    m_panels.clear();
    m_texts.clear();
    for (const QString &width : widths) {
        auto *panel = new QLabel(this);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText);
        // A long value is cut at the panel's edge instead of widening the panel.
        panel->setFixedWidth(std::max(0, width.toInt()));
        addWidget(panel);
        m_panels.append(panel);
        m_texts.append(QString());
    }
}

QString StatusPanelBar::panelText(int panel) const
{
    return m_texts.value(panel);
}

void StatusPanelBar::setPanelText(int panel, const QString &text)
{
    if (panel < 0 || panel >= m_panels.size())
        return;
    // A value can hold line breaks; the panel shows one line.
    QString line = text;
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    m_panels[panel]->setText(line);
    m_texts[panel] = text;
}

void StatusPanelBar::clearPanels()
{
    for (QLabel *panel : std::as_const(m_panels))
        panel->clear();
    m_texts.fill(QString());
}

void StatusPanelBar::setMarker(const QString &text)
{
    if (!m_marker) {
        m_marker = new QLabel(this);
        addPermanentWidget(m_marker);
    }
    m_marker->setText(text);
    m_marker->setVisible(!text.isEmpty());
}

QString StatusPanelBar::marker() const
{
    return m_marker ? m_marker->text() : QString();
}

} // namespace ParloxEd
