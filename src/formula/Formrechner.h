#pragma once
// The formula calculator "Formeleingabe": a formula with variables, a value for each, the
// result in three display forms. Rechnerlogik decides, the shared engine computes.

#include <QDialog>
#include <array>
#include <functional>

class Formelcompclass;
class Dialoge;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

class Formrechner : public QDialog {
    Q_OBJECT

public:
    // Called once when the window closes: take over?, formula, value, prefix and unit.
    using Rueckgabe = std::function<void(bool, const QString&, const QString&, const QString&)>;

    Formrechner(Formelcompclass& o_formel, Dialoge& dialoge, int i_rechnerliste, bool bo_einsetzbar,
                Rueckgabe rueckgabe, QWidget* eltern = nullptr);

    void f_formelanalyse();
    void f_formelberechnung();
    void substitution();
    void einsetzen();  // "Einsetzen und beenden"

    QPlainTextEdit* formel() const { return m_formel; }
    QLineEdit* wert(int i) const { return m_werte.at(static_cast<std::size_t>(i)); }
    QLabel* variable(int i) const { return m_namen.at(static_cast<std::size_t>(i)); }
    QLabel* ergebnis() const { return m_losung; }
    QLabel* links() const { return m_gl; }
    QPushButton* einsetzenKnopf() const { return m_einsetzen; }
    QSpinBox* nachkomma() const { return m_nachkomma; }
    QListWidget* darstellung() const { return m_form; }
    int variablenzahl() const { return m_variablenzahl; }

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void anhaengen(const QString& text);
    void zeilenVerbergen();
    void zeigen(const QStringList& r);
    void zurueckgeben(bool uebernehmen);

    Formelcompclass& m_formelEngine;
    Dialoge& m_dialoge;
    bool m_einsetzbar;
    Rueckgabe m_rueckgabe;
    bool m_zurueckgegeben = false;

    QPlainTextEdit* m_formel = nullptr;
    std::vector<QLabel*> m_namen;
    std::vector<QLineEdit*> m_werte;
    QLabel* m_gl = nullptr;
    QLabel* m_losung = nullptr;
    QSpinBox* m_nachkomma = nullptr;
    QListWidget* m_form = nullptr;
    QPushButton* m_einsetzen = nullptr;

    int m_variablenzahl = 0;
    QString m_einheit;
    QString m_praefix;
    QString m_rechnerformel;
    QString m_ergebniswert;
};
