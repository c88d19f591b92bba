#pragma once

#include <QLabel>
#include <QListWidget>
#include <QTimer>
#include <QWidget>

#include <string>
#include <vector>

class QTextDocument;

namespace vorn::win::form4 {

// Beside the script: its labels ("Rótulos:"), kept current while the
// author types, and the scripts that lead to it ("Levam aqui:").
class ScriptOutline : public QWidget {
    Q_OBJECT
public:
    ScriptOutline(QTextDocument* document, QWidget* parent);

    QListWidget* m_labels;
    QListWidget* m_leadsHere;
    QLabel* m_leadsNote;

    // Rebuilds the labels now; typing rebuilds them after a short pause.
    void refresh();
    // cp1252 names; note says where they come from.
    void setLeadsHere(const std::vector<std::string>& names, const QString& note);

signals:
    void labelChosen(int line);
    void scriptChosen(const QByteArray& name);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QTextDocument* m_document;
    QTimer m_pause;
    // What the list shows, and the line (from 0) of each entry.
    QStringList m_names;
    std::vector<int> m_lines;
};

} // namespace vorn::win::form4
