#include "shell/help_topics.h"

#include <QRegularExpression>
#include <QSet>

#include "common/widgets/stored_page.h"
#include "platform/web_links.h"

namespace korrimet {

QList<HelpNode> ParseHelpTopics(const QString& text, const HelpPlaceholders& placeholders, QString* error) {
    static const QRegularExpression placeholder(QStringLiteral("\\{([a-z]+:[a-z-]+)\\}"));
    QList<HelpNode> nodes;
    QSet<QString> keys;
    int nodeLine = 0;
    const QStringList lines = text.split(QLatin1Char('\n'));
    auto bad = [&](int line, const QString& why) {
        if (error) *error = line ? QStringLiteral("line %1: %2").arg(line).arg(why) : why;
        return QList<HelpNode>{};
    };
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        if (line.startsWith(QLatin1Char('|'))) {
            if (nodes.isEmpty()) return bad(i + 1, QStringLiteral("a paragraph before the first node"));
            QString paragraph = line.mid(1);
            QString result;
            qsizetype from = 0;
            for (const QRegularExpressionMatch& m : placeholder.globalMatch(paragraph)) {
                const QString value = placeholders ? placeholders(m.captured(1)) : QString();
                if (value.isEmpty()) return bad(i + 1, QStringLiteral("unknown placeholder ") + m.captured(0));
                result += paragraph.mid(from, m.capturedStart() - from) + value;
                from = m.capturedEnd();
            }
            nodes.last().paragraphs << result + paragraph.mid(from);
            continue;
        }
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        if (!nodes.isEmpty() && nodes.last().paragraphs.isEmpty())
            return bad(nodeLine, QStringLiteral("node %1 has no paragraph").arg(nodes.last().key));
        const QStringList cells = line.split(QLatin1Char('\t'));
        if (cells.size() < 3 || cells.size() > 4) return bad(i + 1, QStringLiteral("expected 3 or 4 cells"));
        HelpNode node{cells[0], cells[1], cells[2], false, {}};
        if (cells.size() == 4) {
            if (cells[3] != QLatin1String("show")) return bad(i + 1, QStringLiteral("unknown flag ") + cells[3]);
            node.show = true;
        }
        if (node.key.isEmpty() || node.title.isEmpty()) return bad(i + 1, QStringLiteral("no key or no title"));
        if (keys.contains(node.key)) return bad(i + 1, QStringLiteral("key twice: ") + node.key);
        if (!node.parent.isEmpty() && !keys.contains(node.parent))
            return bad(i + 1, QStringLiteral("no node %1 before this line").arg(node.parent));
        keys.insert(node.key);
        nodes << node;
        nodeLine = i + 1;
    }
    if (nodes.isEmpty()) return bad(0, QStringLiteral("no nodes"));
    if (nodes.last().paragraphs.isEmpty())
        return bad(nodeLine, QStringLiteral("node %1 has no paragraph").arg(nodes.last().key));
    if (error) error->clear();
    return nodes;
}

const QList<HelpNode>& HelpTopics() {
    static const QList<HelpNode> topics = [] {
        auto lookUp = [](const QString& name) -> QString {
            const QString kind = name.section(QLatin1Char(':'), 0, 0), key = name.section(QLatin1Char(':'), 1);
            if (kind == QLatin1String("web")) return WebAddress(key).host();
            if (kind != QLatin1String("contact")) return {};
            const Contacts& c = ContactAddresses();
            if (key == QLatin1String("mail")) return c.mail;
            if (key == QLatin1String("second-mail")) return c.secondMail;
            if (key == QLatin1String("second-name")) return c.secondName;
            return {};
        };
        QString error;
        QList<HelpNode> nodes = ParseHelpTopics(resourceText(QStringLiteral(":/shell/help_topics.txt")), lookUp, &error);
        if (nodes.isEmpty()) qFatal("help topics: %s", qPrintable(error));
        return nodes;
    }();
    return topics;
}

QString ComposeTopic(const QList<HelpNode>& nodes, const QString& title, bool* found) {
    for (const HelpNode& node : nodes) {
        if (node.title != title) continue;
        if (found) *found = true;
        QStringList lines{title};
        lines += node.paragraphs;
        return lines.join(QLatin1Char('\n'));
    }
    if (found) *found = false;
    return {};
}

}  // namespace korrimet
