#include "formula/Formrechner.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "formula/Formelcompclass.h"
#include "formula/Rechnerlogik.h"
#include "formula/Zahltext.h"
#include "ui/Dialoge.h"

namespace {
const QString kTitel = QStringLiteral("Elvaris");

const char* const kZahlen[21] = {"7", "8", "9", "4", "5", "6", "1", "2", "3", "0", ",",
                                 "-", "/", "*", "-", "+", "(", ")", "{", "}", "="};
const char* const kFunktionen[32] = {
    "inv(x)",      "x²",       "x³",        "sqr(x)",   "y^x",     "abs(x)",   "sin(x)",
    "arcsin(x)",   "cos(x)",   "arccos(x)", "tan(x)",   "atn(x)",  "exp(x)",   "ln(x)",
    "10^x",        "lg(x)",    "ld(x)",     "log(x;y)", "sinh(x)", "cosh(x)",  "tanh(x)",
    "betrag(x;y)", "arg(x;y)", "min(x;y)",  "max(x;y)", "fak(n)",  "nuk(n;k)", "OR",
    "AND",         "XOR",      "NOT",       "||"};
const char* const kKonstanten[9] = {"Pi", "µ0", "eps0", "2*Pi*f", "el0", "-el0", "c0", "m0", "g"};
const std::pair<int, const char*> kFunktionsTipps[] = {{13, "Natürlicher Logarithmus"},
                                                       {15, "Dekadischer Logarithmus"},
                                                       {16, "Dualer Logarithmus"},
                                                       {17, "Logarithmus zur Basis y"},
                                                       {21, "Betrag eines Zeigers"},
                                                       {22, "Argument eines Zeigers"},
                                                       {23, "Minimum zweier Zahlen"},
                                                       {24, "Maximum zweier Zahlen"},
                                                       {25, "n-Fakultät"},
                                                       {26, "n über k"},
                                                       {27, "Oder"},
                                                       {28, "Und-Verknüpfung"},
                                                       {29, "Exklusiv-Oder"},
                                                       {30, "Negation"},
                                                       {31, "Parallelschaltung"}};
const std::pair<int, const char*> kKonstantenTipps[] = {{4, "pos. Elementarladung"},
                                                        {5, "neg. Elementarladung"},
                                                        {6, "Lichtgeschwindigkeit"},
                                                        {7, "Ruhemasse Elektron"},
                                                        {8, "Erdkonstante"}};
}  // namespace

Formrechner::Formrechner(Formelcompclass& o_formel, Dialoge& dialoge, int i_rechnerliste,
                         bool bo_einsetzbar, Rueckgabe rueckgabe, QWidget* eltern)
    : QDialog(eltern, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_formelEngine(o_formel),
      m_dialoge(dialoge),
      m_einsetzbar(bo_einsetzbar),
      m_rueckgabe(std::move(rueckgabe)) {
    setObjectName(QStringLiteral("Formrechner"));
    setWindowTitle(QStringLiteral("Formeleingabe"));
    auto* haupt = new QGridLayout(this);
    m_formel = new QPlainTextEdit(QStringLiteral("y=x"), this);
    m_formel->setObjectName(QStringLiteral("Textformel"));
    m_formel->setFixedHeight(54);
    m_formel->installEventFilter(this);
    haupt->addWidget(m_formel, 0, 0, 1, 3);

    auto* zeilen = new QGridLayout();
    zeilen->setColumnMinimumWidth(1, 120);
    for (int i = 0; i <= std::max(0, i_rechnerliste); ++i) {
        auto* name = new QLabel(this);
        name->setObjectName(QStringLiteral("Labelvariable%1").arg(i));
        auto* wert = new QLineEdit(QStringLiteral("1"), this);
        wert->setObjectName(QStringLiteral("Textvariable%1").arg(i));
        wert->setAlignment(Qt::AlignRight);
        wert->setStyleSheet(QStringLiteral("color: red;"));
        wert->installEventFilter(this);
        zeilen->addWidget(name, i, 0);
        zeilen->addWidget(wert, i, 1);
        name->setVisible(false);
        wert->setVisible(false);
        m_namen.push_back(name);
        m_werte.push_back(wert);
    }
    auto* links = new QVBoxLayout();
    links->addLayout(zeilen);
    links->addStretch(1);
    haupt->addLayout(links, 1, 0, 3, 1);

    auto* ergebnis = new QHBoxLayout();
    m_gl = new QLabel(QStringLiteral("Y  ="), this);
    m_gl->setObjectName(QStringLiteral("Labelgl"));
    m_losung = new QLabel(this);
    m_losung->setObjectName(QStringLiteral("Labellosung0"));
    m_losung->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    ergebnis->addWidget(m_gl);
    ergebnis->addWidget(m_losung, 1);
    haupt->addLayout(ergebnis, 4, 0, 1, 3);

    auto* einstellung = new QGridLayout();
    einstellung->addWidget(new QLabel(QStringLiteral("Nachkommstellen:"), this), 0, 0);
    m_nachkomma = new QSpinBox(this);
    m_nachkomma->setObjectName(QStringLiteral("UpDown1"));
    m_nachkomma->setRange(0, 10);
    m_nachkomma->setValue(3);
    einstellung->addWidget(m_nachkomma, 0, 1);
    einstellung->addWidget(new QLabel(QStringLiteral("Darstellung:"), this), 1, 0);
    m_form = new QListWidget(this);
    m_form->setObjectName(QStringLiteral("List1"));
    m_form->addItems(
        {QStringLiteral("1299,2"), QStringLiteral("1,299E3"), QStringLiteral("1,299k")});
    m_form->setCurrentRow(0);
    m_form->setFixedHeight(62);
    einstellung->addWidget(m_form, 1, 1);
    haupt->addLayout(einstellung, 1, 1);
    connect(m_nachkomma, &QSpinBox::valueChanged, this, [this] { f_formelberechnung(); });
    connect(m_form, &QListWidget::itemClicked, this, [this] { f_formelberechnung(); });

    const auto tastenfeld = [this](const char* const* texte, int anzahl, int spalten,
                                   const QString& name) {
        auto* feld = new QGridLayout();
        feld->setSpacing(2);
        for (int i = 0; i < anzahl; ++i) {
            const QString text = QString::fromUtf8(texte[i]);
            auto* b = new QPushButton(text, this);
            b->setObjectName(name + QString::number(i));
            b->setAutoDefault(false);
            b->setMinimumWidth(48);
            b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
            connect(b, &QPushButton::clicked, this, [this, text] { anhaengen(text); });
            feld->addWidget(b, i / spalten, i % spalten);
        }
        return feld;
    };
    auto* tasten = new QVBoxLayout();
    tasten->addLayout(tastenfeld(kZahlen, 21, 7, QStringLiteral("Picturezahlen")));
    tasten->addLayout(tastenfeld(kFunktionen, 32, 6, QStringLiteral("Pictureformel")));
    tasten->addLayout(tastenfeld(kKonstanten, 9, 9, QStringLiteral("Picturekonst")));
    haupt->addLayout(tasten, 2, 1, 2, 2);
    for (const auto& [i, tipp] : kFunktionsTipps) {
        findChild<QPushButton*>(QStringLiteral("Pictureformel%1").arg(i))
            ->setToolTip(QString::fromUtf8(tipp));
    }
    for (const auto& [i, tipp] : kKonstantenTipps) {
        findChild<QPushButton*>(QStringLiteral("Picturekonst%1").arg(i))
            ->setToolTip(QString::fromUtf8(tipp));
    }

    auto* knoepfe = new QHBoxLayout();
    auto* subst = new QPushButton(QStringLiteral("x→y"), this);
    subst->setObjectName(QStringLiteral("Picturesubst"));
    subst->setToolTip(QStringLiteral("Ersetzt einen Teil der Formel durch einen anderen"));
    auto* neu = new QPushButton(QStringLiteral("Variablen neu bestimmen"), this);
    neu->setObjectName(QStringLiteral("Command1"));
    m_einsetzen = new QPushButton(QStringLiteral("Einsetzen und beenden"), this);
    m_einsetzen->setObjectName(QStringLiteral("Command3"));
    m_einsetzen->setEnabled(false);
    auto* beenden = new QPushButton(QStringLiteral("Beenden"), this);
    beenden->setObjectName(QStringLiteral("Command4"));
    for (QPushButton* b : {subst, neu, m_einsetzen, beenden}) {
        b->setAutoDefault(false);
        knoepfe->addWidget(b);
    }
    haupt->addLayout(knoepfe, 5, 0, 1, 3);
    connect(subst, &QPushButton::clicked, this, &Formrechner::substitution);
    connect(neu, &QPushButton::clicked, this, [this] {
        zeilenVerbergen();
        f_formelanalyse();
    });
    connect(m_einsetzen, &QPushButton::clicked, this, &Formrechner::einsetzen);
    connect(beenden, &QPushButton::clicked, this, [this] {
        zurueckgeben(false);
        close();
    });
}

void Formrechner::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // Activation: three decimals, the first display form.
    const QSignalBlocker a(m_nachkomma);
    m_nachkomma->setValue(3);
    m_form->setCurrentRow(0);
}

void Formrechner::closeEvent(QCloseEvent* e) {
    zurueckgeben(false);
    QDialog::closeEvent(e);
}

void Formrechner::zurueckgeben(bool uebernehmen) {
    if (m_zurueckgegeben) {
        return;
    }
    m_zurueckgegeben = true;
    if (m_rueckgabe) {
        m_rueckgabe(uebernehmen, m_rechnerformel, m_ergebniswert, m_praefix + m_einheit);
    }
}

void Formrechner::einsetzen() {
    zurueckgeben(true);
    close();
}

bool Formrechner::eventFilter(QObject* o, QEvent* e) {
    if (e->type() != QEvent::KeyPress) {
        return QDialog::eventFilter(o, e);
    }
    auto* k = static_cast<QKeyEvent*>(e);
    const bool enter = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
    if (o == m_formel && enter) {
        zeilenVerbergen();
        f_formelanalyse();
        f_formelberechnung();
        return true;
    }
    auto* feld = qobject_cast<QLineEdit*>(o);
    if (feld != nullptr && std::find(m_werte.begin(), m_werte.end(), feld) != m_werte.end()) {
        if (enter) {
            f_formelberechnung();
            return true;
        }
        if (k->key() == Qt::Key_Backspace || k->text().isEmpty()) {
            return false;
        }
        const QChar c = Rechnerlogik::wertTaste(k->text().at(0));
        if (!c.isNull()) {
            feld->insert(QString(c));
        }
        return true;
    }
    return QDialog::eventFilter(o, e);
}

void Formrechner::anhaengen(const QString& text) {
    m_formel->setPlainText(m_formel->toPlainText() + text);
}

void Formrechner::zeilenVerbergen() {
    for (std::size_t i = 1; i < m_namen.size(); ++i) {
        m_namen[i]->setVisible(false);
        m_werte[i]->setVisible(false);
    }
}

void Formrechner::f_formelanalyse() {
    m_formelEngine.f_setzen(false);
    QString formel = m_formel->toPlainText();
    const qsizetype gleich = formel.indexOf(QLatin1Char('='));
    if (formel.isEmpty() || gleich < 0 || gleich == formel.size() - 1) {
        return;
    }
    formel.remove(QLatin1Char(' ')).replace(QStringLiteral("=="), QStringLiteral("="));
    m_formel->setPlainText(formel);
    const Rechnerlogik::LinkeSeite l = Rechnerlogik::linkeSeite(formel);
    m_einheit = l.einheit;
    m_gl->setText(l.anzeige);
    QStringList namen = m_formelEngine.f_variablensuche(formel).split(QLatin1Char(';'));
    if (m_formelEngine.bo_generalfehler) {
        m_dialoge.meldung(m_formelEngine.s_generalfehler, kTitel);
        return;
    }
    namen.removeAll(QString());
    m_variablenzahl = static_cast<int>(namen.size());
    if (m_variablenzahl == 0) {
        return;
    }
    QList<Rechnerlogik::Variable> variablen;
    for (int i = 0; i < m_variablenzahl; ++i) {
        if (i >= static_cast<int>(m_namen.size())) {
            m_variablenzahl = i;  // only the rows that exist take part
            break;
        }
        m_namen[static_cast<std::size_t>(i)]->setText(namen[i] + QStringLiteral(" = "));
        m_namen[static_cast<std::size_t>(i)]->setVisible(true);
        m_werte[static_cast<std::size_t>(i)]->setVisible(true);
        variablen.append({namen[i], m_werte[static_cast<std::size_t>(i)]->text()});
    }
    const QStringList r =
        m_formelEngine.f_formelAuswertungEinfach(Rechnerlogik::analyseEingabe(formel, variablen))
            .split(QLatin1Char(';'));
    if (r.size() > 1) {
        zeigen(r);
        m_einsetzen->setEnabled(m_einsetzbar);
    } else {
        m_dialoge.meldung(r.join(QLatin1Char(';')), kTitel);
    }
}

void Formrechner::f_formelberechnung() {
    m_formelEngine.f_setzen(false);
    const QString formel = m_formel->toPlainText();
    QList<Rechnerlogik::Variable> variablen;
    const int anzahl = std::max(1, m_variablenzahl);
    for (int i = 0; i < anzahl && i < static_cast<int>(m_namen.size()); ++i) {
        variablen.append({m_namen[static_cast<std::size_t>(i)]->text(),
                          m_werte[static_cast<std::size_t>(i)]->text()});
    }
    if (m_variablenzahl < 1 && variablen.first().name.isEmpty()) {
        variablen.clear();  // row 0 without a name takes part harmlessly: as "x;1;1;1"
    }
    const QString r =
        m_formelEngine.f_formelAuswertungEinfach(Rechnerlogik::eingabe(formel, variablen));
    if (m_formelEngine.bo_generalfehler) {
        m_dialoge.meldung(m_formelEngine.s_generalfehler, kTitel);
        return;
    }
    if (r.isEmpty()) {
        m_dialoge.meldung(QStringLiteral("Fehler bei der Berechnung aufgetreten"), kTitel);
        return;
    }
    const QStringList teile = r.split(QLatin1Char(';'));
    if (teile.size() > 1) {
        m_losung->setVisible(true);
        m_gl->setText(Rechnerlogik::ergebnisLinks(formel));
        zeigen(teile);
    } else {
        m_dialoge.meldung(r, kTitel);
    }
}

void Formrechner::zeigen(const QStringList& r) {
    if (m_formelEngine.bo_generalfehler) {
        return;
    }
    m_rechnerformel = m_formel->toPlainText();
    const double v = f_zahlLesen(r.value(1));
    const Rechnerlogik::Anzeige a = Rechnerlogik::darstellung(v, std::max(0, m_form->currentRow()),
                                                              m_nachkomma->value(), m_einheit);
    m_ergebniswert = a.wert;
    m_praefix = a.praefix;
    m_losung->setText(a.text);
}

void Formrechner::substitution() {
    auto antwort = m_dialoge.eingabe(QStringLiteral("Geben Sie die Substitutionsformel an!"),
                                     QString(), QString());
    if (!antwort) {
        return;
    }
    QString a = Rechnerlogik::substitutionBereinigen(*antwort);
    if (a.isEmpty()) {
        return;
    }
    QStringList teile = a.split(QLatin1Char('='));
    if (teile.size() != 2) {
        m_dialoge.meldung(QStringLiteral("Geben Sie die Substitution in der Form xx=..."), kTitel);
        antwort = m_dialoge.eingabe(QStringLiteral("Geben Sie die Substitutionsformel an!"), kTitel,
                                    QString());
        if (!antwort) {
            return;
        }
        teile = Rechnerlogik::substitutionBereinigen(*antwort).split(QLatin1Char('='));
        if (teile.size() != 2 || teile[0].isEmpty()) {
            return;  // still not of the form «left=right»: nothing is replaced
        }
    }
    const QStringList formel = m_formel->toPlainText().split(QLatin1Char('='));
    if (formel.size() == 2 && formel[0] == teile[0]) {
        m_dialoge.meldung(QStringLiteral("Linke Gleichungsseite kann nicht substituiert werden"),
                          kTitel);
        return;
    }
    if (teile[0].isEmpty()) {
        return;
    }
    m_formel->setPlainText(m_formel->toPlainText().replace(teile[0], teile[1]));
}
