#include <Parlox/dialoglayout.h>

#include <QtGlobal>
#include <algorithm>

namespace Parlox::DialogLayout {

int mulDiv(int a, int b, int c)
{
    if (c == 0)
        return 0;
    const qint64 product = qint64(a) * b;
    const qint64 divisor = qAbs(qint64(c));
    const qint64 magnitude = (qAbs(product) * 2 + divisor) / (divisor * 2);
    const bool negative = (product < 0) != (c < 0);
    return int(negative ? -magnitude : magnitude);
}

FontUnits fontUnits(QSize extentOfLetters)
{
    return {extentOfLetters.width() / 52, extentOfLetters.height()};
}

Metrics metrics(FontUnits units)
{
    return {
        .horzMargin = mulDiv(8, units.cx, 4),
        .vertMargin = mulDiv(8, units.cy, 8),
        .horzSpacing = mulDiv(10, units.cx, 4),
        .vertSpacing = mulDiv(10, units.cy, 8),
        .buttonWidth = mulDiv(50, units.cx, 4),
        .buttonHeight = mulDiv(14, units.cy, 8),
        .buttonSpacing = mulDiv(4, units.cx, 4),
    };
}

Layout layout(const Metrics &m, QSize textSize, bool hasIcon, int buttonCount)
{
    Layout result;
    const int tw = textSize.width();
    const int th = textSize.height();
    result.block =
        hasIcon ? QSize(tw + IconSize + m.horzSpacing, std::max(th, IconSize)) : QSize(tw, th);
    result.groupWidth =
        buttonCount > 0 ? buttonCount * m.buttonWidth + (buttonCount - 1) * m.buttonSpacing : 0;
    result.client =
        QSize(std::max(result.block.width(), result.groupWidth) + 2 * m.horzMargin,
              result.block.height() + m.buttonHeight + m.vertSpacing + 2 * m.vertMargin);
    if (hasIcon)
        result.icon = QRect(m.horzMargin, m.vertMargin, IconSize, IconSize);
    result.label = QRect(result.block.width() - tw + m.horzMargin, m.vertMargin, tw, th);

    int x = (result.client.width() - result.groupWidth) / 2;
    const int y = result.block.height() + m.vertMargin + m.vertSpacing;
    for (int i = 0; i < buttonCount; ++i) {
        result.buttons.append(QRect(x, y, m.buttonWidth, m.buttonHeight));
        x += m.buttonWidth + m.buttonSpacing;
    }
    return result;
}

QPoint centredPosition(const QRect &screen, QSize window)
{
    return {screen.left() + screen.width() / 2 - window.width() / 2,
            screen.top() + screen.height() / 2 - window.height() / 2};
}

const std::array<ButtonInfo, 11> &buttonTable()
{
    static const std::array<ButtonInfo, 11> table{{
        {mbYes, "Yes", mrYes},
        {mbNo, "No", mrNo},
        {mbOK, "OK", mrOk},
        {mbCancel, "Cancel", mrCancel},
        {mbAbort, "Abort", mrAbort},
        {mbRetry, "Retry", mrRetry},
        {mbIgnore, "Ignore", mrIgnore},
        {mbAll, "All", mrAll},
        {mbNoToAll, "NoToAll", mrNoToAll},
        {mbYesToAll, "YesToAll", mrYesToAll},
        {mbHelp, "Help", mrNone},
    }};
    return table;
}

int buttonCount(TMsgDlgButtons buttons)
{
    return int(std::count_if(buttonTable().begin(), buttonTable().end(),
                             [buttons](const ButtonInfo &info) { return buttons & info.button; }));
}

namespace {
std::optional<TMsgDlgBtn> firstPresent(TMsgDlgButtons buttons,
                                       std::initializer_list<TMsgDlgBtn> choices)
{
    for (const TMsgDlgBtn choice : choices) {
        if (buttons & choice)
            return choice;
    }
    return std::nullopt;
}
} // namespace

std::optional<TMsgDlgBtn> defaultButton(TMsgDlgButtons buttons)
{
    return firstPresent(buttons, {mbOK, mbYes, mbRetry});
}

std::optional<TMsgDlgBtn> cancelButton(TMsgDlgButtons buttons)
{
    return firstPresent(buttons, {mbCancel, mbNo, mbOK});
}

} // namespace Parlox::DialogLayout
