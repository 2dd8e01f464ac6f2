#include <Parlox/exchange/trkey.h>

namespace Parlox::Exchange {

QString storedText(const QString &visible)
{
    QString text = visible;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\n', QStringLiteral("%%"));
    return text;
}

QString visibleText(QStringView stored)
{
    QString text = stored.toString();
    text.replace(QStringLiteral("%%"), QStringLiteral("\n"));
    return text;
}

bool canStore(QStringView visible)
{
    return !visible.contains(u"%%") && !visible.contains(u"%\n") && !visible.contains(u"\n%") &&
           !visible.contains(u"%\r");
}

QString TrKey::key() const
{
    QString key = u'%' + storedText(source) + u'%';
    if (!disambiguation.isEmpty())
        key += u'{' + disambiguation + u'}';
    if (form > 0)
        key += u'#' + QString::number(form);
    return key;
}

QString TrKey::problem() const
{
    if (!canStore(source))
        return QStringLiteral("its source text holds \"%%\" or a \"%\" next to a line break, "
                              "which a user string cannot hold: \"%%\" stands for a line break "
                              "there.");
    if (disambiguation.contains(u"%{") || disambiguation.contains(u'\n'))
        return QStringLiteral("its disambiguation holds \"%{\" or a line break.");
    return {};
}

std::optional<TrKey> TrKey::parse(QStringView key)
{
    TrKey parsed;
    if (const qsizetype hash = key.lastIndexOf(u'#'); hash > 1) {
        const QStringView digits = key.sliced(hash + 1);
        const QChar before = key[hash - 1];
        bool ok = false;
        const int form = digits.toInt(&ok);
        if (ok && form > 0 && digits == QString::number(form) &&
            (before == u'%' || before == u'}')) {
            parsed.form = form;
            key.truncate(hash);
        }
    }
    if (key.endsWith(u'}')) {
        const qsizetype open = key.lastIndexOf(u"%{");
        if (open < 1)
            return std::nullopt;
        parsed.disambiguation = key.sliced(open + 2, key.size() - open - 3).toString();
        key.truncate(open + 1);
    }
    if (key.size() < 2 || !key.startsWith(u'%') || !key.endsWith(u'%'))
        return std::nullopt;
    parsed.source = visibleText(key.sliced(1, key.size() - 2));
    return parsed;
}

} // namespace Parlox::Exchange
