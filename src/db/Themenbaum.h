#pragma once
// The topic tree of the selector as data: keys, texts, pictures and order. The learning
// window shows it; the selection statement reads which nodes are chosen (picture 2).
//
// Keys follow the database's topic slots: "root", i & "H", i & j & "T", i & j & k & "U".
// Their lengths (2, 3, 4 characters) tell the level.

#include <QHash>
#include <QString>
#include <vector>

struct Themenknoten {
    QString schluessel;
    QString text;
    int bild = 0;  // 0 none, 1 not chosen, 2 chosen
    int eltern = -1;
    std::vector<int> kinder;
};

class Themenbaum {
public:
    void leeren();
    // The root node "Alle Themen"; it becomes the first top-level node.
    void wurzelHinzufuegen(const QString& schluessel, const QString& text);
    // A top-level node placed directly after the first top-level node (the root).
    void nachWurzelEinfuegen(const QString& schluessel, const QString& text, int bild);
    // A child appended to the node with the given key. Throws Fehler when the parent is
    // missing or the key is taken.
    void kindHinzufuegen(const QString& eltern, const QString& schluessel, const QString& text,
                         int bild);

    // The nodes depth-first in display order (top level in its order, children below).
    std::vector<const Themenknoten*> inReihenfolge() const;
    const Themenknoten* knoten(const QString& schluessel) const;
    Themenknoten* knoten(const QString& schluessel);
    int anzahl() const { return static_cast<int>(m_knoten.size()); }
    const std::vector<int>& oberste() const { return m_oberste; }
    const Themenknoten& an(int index) const { return m_knoten[static_cast<std::size_t>(index)]; }

private:
    int neu(const QString& schluessel, const QString& text, int bild, int eltern);
    std::vector<Themenknoten> m_knoten;
    std::vector<int> m_oberste;
    QHash<QString, int> m_nachSchluessel;
};
