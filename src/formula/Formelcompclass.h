#pragma once
// The formula engine: one object that evaluates formula texts by rewriting them step by step
// (names to codes, signs to the marker "@", innermost bracket first, one operation at a time)
// until a number text is left. Numbers travel in and out as texts.
//
// Error protocol: a failing method sets bo_generalfehler and s_generalfehler and returns an
// empty text. While the flag is set, the guarded methods return at once; only f_setzen(false)
// clears it. Callers decide by the flag.
//
// The working fields are shared by the evaluation methods, so the engine is not reentrant
// beyond the one nesting it uses itself (multi-argument functions evaluate their arguments
// with f_klammer before the enclosing formula).

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class Formelcompclass {
public:
    bool bo_generalfehler = false;
    QString s_generalfehler;

    // Shows a message with the title "Elvaris"; the program connects it to its dialogs.
    // Used by the power for a negative base, which reports without the flag.
    using Meldung = std::function<void(const QString& text)>;
    void setMeldung(Meldung meldung) { m_meldung = std::move(meldung); }

    void f_setzen(bool bo_x) { bo_generalfehler = bo_x; }

    // Operators and functions (piece or token in engine notation -> number text).
    QString f_add(const QString& s);
    QString f_or(const QString& s);
    QString f_xor(const QString& s);
    QString f_not(const QString& s);
    QString f_and(const QString& s);
    QString f_sub(const QString& s);
    QString f_ld(const QString& s);
    QString f_fak(const QString& s);

    // Normalisation and substitution.
    QString f_einsetzen(const QString& s_s);
    QString f_konstanteneinsetzen(const QString& s_s);
    void f_varaufb(const QString& s_s);
    QString f_reinigung(const QString& s_s);

    // Evaluation.
    QString f_klammer(const QString& s_formelhilf);
    void f_losen(const QString& s_klammer);
    void f_formel();
    void f_formelnormal();
    void f_schritt6();
    int f_anzsubst(const QString& s_formel, const QString& s_teilstring);
    void f_schritt4();
    void f_schritt5();

    QString f_arccos(const QString& s);
    QString f_arcsin(const QString& s);
    QString f_atn(const QString& s);
    QString f_cos(const QString& s);
    QString f_abs(const QString& s);
    QString f_exp(const QString& s);
    QString f_lg(const QString& s);
    QString f_log(const QString& s);
    QString f_arg(const QString& s);
    QString f_Betrag(const QString& s);
    QString f_max(const QString& s);
    QString f_min(const QString& s);
    QString f_nuk(const QString& s);
    QString f_sqr(const QString& s);
    QString f_ln(const QString& s);
    QString f_parallel(const QString& s);
    QString f_mult(const QString& s);
    QString f_div(const QString& s);
    QString f_potenz(const QString& s);
    void f_schritt2(const QString& s_klammer);
    QString f_sin(const QString& s);
    QString f_inv(const QString& s);
    QString f_sinh(const QString& s);
    QString f_cosh(const QString& s);
    QString f_tanh(const QString& s);
    void f_schritt3();
    QString f_tan(const QString& s);

    // Entry points.
    QString f_vorbereitung(const QString& s_s, const QString& s_svar);
    QString f_loeser(const QString& s_s, const QString& s_x);
    QString f_formelAuswertung(const QString& s_1);
    QString f_formelAuswertungEinfach(const QString& s_1);
    QString f_formelvergleich(const QString& s_1, const QString& s_2);
    QString f_variablensuche(const QString& s_x);
    QString f_MehrFunktion(const QString& s_s);

    // Complex numbers: pairs «re;im» and engine complex texts «<re>j<im>».
    QString f_komplexzerleger(const QString& s_s);
    QString f_einsZueins(const QString& s_s);
    QString f_MalMinus(const QString& s_s);
    QString f_Komplexadd(const QString& s_s1, const QString& s_s2);
    bool f_Komplexpivot(const QString& s_s1, const QString& s_s2);
    QString f_Komplexsub(const QString& s_s1, const QString& s_s2);
    QString f_Komplexmul(const QString& s_s1, const QString& s_s2);
    QString f_Komplexdiv(const QString& s_s1, const QString& s_s2);
    QString f_Komplexinv(const QString& s_s2);
    // Cartesian (bo_form) or polar display text; s_x receives the parsed pair and then the
    // display text, which is also returned.
    QString f_komplexformat(QString& s_x, int b_stellen, bool bo_form);

    // Display texts. Both return an empty text for an input that is not a number.
    QString f_realrunden(const QString& s_x, int b_stellen);
    QString f_zahlenformat(const QString& s_x, int b_stellen);

    // Two-port conversions on matrix texts «p11/p12/p21/p22».
    QString f_ZausY(const QString& s_s);
    QString f_ZausA(const QString& s_s);
    QString f_ZausH(const QString& s_s);
    QString f_YausZ(const QString& s_s);
    QString f_YausA(const QString& s_s);
    QString f_YausH(const QString& s_s);
    QString f_AausZ(const QString& s_s);
    QString f_AausY(const QString& s_s);
    QString f_AausH(const QString& s_s);
    QString f_HausZ(const QString& s_s);
    QString f_HausY(const QString& s_s);
    QString f_HausA(const QString& s_s);
    QString f_determinante(const QString& s_s);

    // Star-delta on impedance lists «Z1/Z2/Z3» and «Z12/Z23/Z13».
    QString f_sternDreieck(const QString& s_s);
    QString f_DreieckStern(const QString& s_s);

    // E-series tables (IEC 60063, decade 1..10 followed by 10) and the nearest value.
    void f_E6Fullen();
    void f_E12Fullen();
    void f_E24Fullen();
    void f_E48Fullen();
    void f_E96Fullen();
    double f_Esuchen(double do_nenn, int b_reihe) const;

    // Equivalent circuits: Z (or Y) of circuit 1..20, and the series or parallel equivalent.
    QString f_RLCNW(int i_Typ, double do_r1, double do_r2, double do_c1, double do_c2, double do_l1,
                    double do_l2, double do_f, bool bo_KartPol, bool bo_inv, int b_stellen);
    QString f_RCLPBest(const QString& s_x, double do_f, bool bo_ZY, const QString& s_Bauteil,
                       int b_stellen);

    // The expression as the evaluation left it (for tests and the calculator).
    const QString& arbeitsformel() const { return s_arbeitsformel; }

private:
    struct Definition {
        QString name;
        QStringList werte;  // value sets 1..3
    };

    void fehler(const QString& meldung);
    void operatorenAufbauen();
    void operandenAufbauen();
    // Variable definitions «name;v1;v2;v3» separated by ":", longest name first.
    std::vector<Definition> definitionen(const QString& text) const;
    // An entry point: guarded by the flag; a failure of its own is "Fehler in Formel".
    QString eingangspunkt(const std::function<QString()>& rechnung);
    // The value of a formula whose variables are replaced: normalised, multi-argument functions
    // resolved, evaluated, with "-" as the minus sign.
    QString wertesatz(const QString& eingesetzt);
    QString einsetzenDefinitionen(QString formel, const std::vector<Definition>& d, int satz) const;

    // A one-argument function: code removed, "@" -> "-", the degree factor where allowed.
    QString einArgument(const QString& token, const QString& code, bool grad,
                        const std::function<double(double)>& rechnung, const QString& meldung,
                        bool geschuetzt = true);
    // A multi-argument function: at least two arguments separated by ";", the first
    // `auswerten` of them evaluated with f_klammer, then `rechnung` on their texts.
    QString mehrereArgumente(const QString& s, const QString& meldung, int auswerten,
                             const std::function<QString(const QStringList&)>& rechnung);
    // A bitwise operator on two bytes.
    QString bitweise(const QString& s, QChar op, const QString& name, const QString& verbinder,
                     const std::function<int(int, int)>& rechnung);

    QStringList s_varnamen;
    QStringList s_varwerte;
    QString s_trennformel;
    QString s_arbeitsformel;
    // Views into s_trennformel; rebuilt with it.
    std::vector<QStringView> s_operanden;
    // Operator characters; QChar() for the entries after the last operator.
    std::vector<QChar> s_operatoren;
    int i_operatorenzahl = 0;

    // Complex helpers: a text of the form re "j" im (or re ";" im) as two numbers.
    struct Komplex {
        double re = 0.0;
        double im = 0.0;
    };
    static Komplex komplexLesen(const QString& text, bool beideTeile = false);
    static QString komplexText(Komplex z);
    QString komplexOperation(const QString& meldung, const std::function<QString()>& rechnung);
    // «p11/p12/p21/p22» split into its four elements; a failure when there are fewer.
    static QStringList matrix(const QString& s);

    std::vector<double> m_e6, m_e12, m_e24, m_e48, m_e96;

    Meldung m_meldung;
};
