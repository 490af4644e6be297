#pragma once
// The task view shared by the three task windows: question box, picture frame, the
// multiple-choice area, the answer rows and the free-answer box. It applies an Anzeigeplan
// and a picture geometry; it decides nothing itself.

#include <QFrame>
#include <array>

#include "learn/Lernregeln.h"
#include "tasks/Anzeigeplan.h"

class QLabel;
class QLineEdit;
class QTextEdit;

class Aufgabenansicht : public QFrame {
    Q_OBJECT

public:
    explicit Aufgabenansicht(QWidget* eltern = nullptr);

    // The question text (RTF or plain) at the given zoom.
    void frageSetzen(const QString& text, int zoomProzent);
    void anwenden(const Anzeigeplan& plan, bool tooltipsZeigen);
    // Places the question box: at 100 % beside the picture, at 150 and 200 % over it.
    void zoomLage(int zoomProzent);
    // The picture: a frame of the given geometry holding `bild` (may be null).
    void bildSetzen(const Bildgeometrie& g, const QPixmap* bild);
    void bildLeeren();
    void tooltipsLeeren();
    // The tick colour of multiple-choice box i.
    void mcMarkieren(int i, bool markiert);
    bool mcMarkiert(int i) const;

    QTextEdit* frage() const { return m_frage; }
    QTextEdit* mcBox(int i) const { return m_mc[static_cast<std::size_t>(i)]; }
    QLineEdit* wertBox(int i) const { return m_wert[static_cast<std::size_t>(i)]; }
    QLineEdit* textBox(int i) const { return m_text[static_cast<std::size_t>(i)]; }
    QTextEdit* freieAntwort() const { return m_frei; }
    QFrame* mcBereich() const { return m_mcBereich; }
    QFrame* zeilenBereich() const { return m_zeilenBereich; }
    QLabel* ueberschrift() const { return m_ueberschrift; }
    QLabel* bildLabel() const { return m_bild; }
    QFrame* bildRahmen() const { return m_bildRahmen; }

signals:
    void bildGeklickt();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void bereichePlatzieren();

    QTextEdit* m_frage = nullptr;
    QFrame* m_bildRahmen = nullptr;
    QLabel* m_bild = nullptr;
    QFrame* m_mcBereich = nullptr;
    std::array<QTextEdit*, 5> m_mc{};
    QFrame* m_zeilenBereich = nullptr;
    QLabel* m_ueberschrift = nullptr;
    std::array<QLineEdit*, 5> m_wert{};
    std::array<QLineEdit*, 5> m_text{};
    QTextEdit* m_frei = nullptr;
    int m_frageLinks = 400;
    int m_frageBreite = 390;
    int m_frageHoehe = 500;
};
