#pragma once
#include "common/widgets/tool_window.h"

class QTextEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace korrimet {

// The program's help: a tree of topics, the release history among them, and
// the text of the topic last clicked or moved to with the keys.
class HelpWindow : public ToolWindow {
    Q_OBJECT
public:
    static constexpr const char* kClassName = "帮助内容";
    static constexpr const char* kCaption = "帮助内容";

    HelpWindow();

    // The tree node added under key, or nullptr.
    QTreeWidgetItem* node(const QString& key) const;
    // The title asked for last and the topic text composed last.
    QString workingTitle() const { return title_; }
    QString workingText() const { return text_; }

    // A mouse click anywhere in the tree: shows the selected node's topic.
    void TreeView1_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void showTopic(const QTreeWidgetItem* item);

    QTreeWidget* tree_;
    QTextEdit* textBox_;
    QString title_;
    QString text_;
};

}  // namespace korrimet
