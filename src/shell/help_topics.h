#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace korrimet {

// One node of the help tree; its topic is its title and its paragraphs.
struct HelpNode {
    QString key;
    QString parent;  // empty for a root
    QString title;
    bool show = false;  // scrolled into view right after it is added
    QStringList paragraphs;
};

// Looks up what a placeholder such as "web:forum" stands for; empty when unknown.
using HelpPlaceholders = std::function<QString(const QString&)>;

// Parses the help data (data/help_topics.txt); on a malformed text returns
// nothing and says which line and why.
QList<HelpNode> ParseHelpTopics(const QString& text, const HelpPlaceholders& placeholders, QString* error = nullptr);

// The compiled-in topics, with the program's web addresses and contacts.
const QList<HelpNode>& HelpTopics();

// The topic of the first node whose title equals title exactly: the title and
// each paragraph on a line of its own, joined by line feeds; empty when none.
QString ComposeTopic(const QList<HelpNode>& nodes, const QString& title, bool* found = nullptr);

}  // namespace korrimet
