#include "db/Themenbaum.h"

#include "db/Fehler.h"

void Themenbaum::leeren() {
    m_knoten.clear();
    m_oberste.clear();
    m_nachSchluessel.clear();
}

int Themenbaum::neu(const QString& schluessel, const QString& text, int bild, int eltern) {
    if (knoten(schluessel) != nullptr) {
        throw Fehler(
            QStringLiteral("Der Schlüssel %1 ist im Themenbaum schon vergeben.").arg(schluessel));
    }
    m_knoten.push_back({schluessel, text, bild, eltern, {}});
    const int index = static_cast<int>(m_knoten.size()) - 1;
    m_nachSchluessel.insert(schluessel, index);
    return index;
}

void Themenbaum::wurzelHinzufuegen(const QString& schluessel, const QString& text) {
    m_oberste.push_back(neu(schluessel, text, 0, -1));
}

void Themenbaum::nachWurzelEinfuegen(const QString& schluessel, const QString& text, int bild) {
    const int n = neu(schluessel, text, bild, -1);
    m_oberste.insert(m_oberste.begin() + (m_oberste.empty() ? 0 : 1), n);
}

void Themenbaum::kindHinzufuegen(const QString& eltern, const QString& schluessel,
                                 const QString& text, int bild) {
    const Themenknoten* e = knoten(eltern);
    if (e == nullptr) {
        throw Fehler(QStringLiteral("Der Knoten %1 fehlt im Themenbaum.").arg(eltern));
    }
    const int elternIndex = static_cast<int>(e - m_knoten.data());
    const int n = neu(schluessel, text, bild, elternIndex);
    m_knoten[static_cast<std::size_t>(elternIndex)].kinder.push_back(n);
}

std::vector<const Themenknoten*> Themenbaum::inReihenfolge() const {
    std::vector<const Themenknoten*> liste;
    liste.reserve(m_knoten.size());
    auto besuche = [&](auto&& selbst, int i) -> void {
        const Themenknoten& k = m_knoten[static_cast<std::size_t>(i)];
        liste.push_back(&k);
        for (int kind : k.kinder) {
            selbst(selbst, kind);
        }
    };
    for (int i : m_oberste) {
        besuche(besuche, i);
    }
    return liste;
}

const Themenknoten* Themenbaum::knoten(const QString& schluessel) const {
    const auto it = m_nachSchluessel.constFind(schluessel);
    return it == m_nachSchluessel.constEnd() ? nullptr : &m_knoten[static_cast<std::size_t>(*it)];
}

Themenknoten* Themenbaum::knoten(const QString& schluessel) {
    return const_cast<Themenknoten*>(std::as_const(*this).knoten(schluessel));
}
