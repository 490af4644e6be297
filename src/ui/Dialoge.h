#pragma once
// Every message box, question, input box and file or folder dialog of the program goes
// through this interface. The program installs QtDialoge; tests install a scripted fake
// that records what was shown and answers in order.

#include <QString>
#include <optional>

class Dialoge {
public:
    virtual ~Dialoge() = default;

    // A message with an OK button. An empty title shows the box without a title.
    virtual void meldung(const QString& text, const QString& titel) = 0;
    // A yes/no question; true for yes.
    virtual bool frage(const QString& text, const QString& titel) = 0;
    virtual std::optional<QString> eingabe(const QString& text, const QString& titel,
                                           const QString& vorgabe) = 0;
    // File dialogs. `filter` uses the classic form "Daten (*.ssw)|*.ssw"; nullopt on cancel.
    virtual std::optional<QString> dateiOeffnen(const QString& titel, const QString& dateiname,
                                                const QString& filter,
                                                const QString& startordner) = 0;
    virtual std::optional<QString> dateiSpeichern(const QString& titel, const QString& dateiname,
                                                  const QString& filter,
                                                  const QString& startordner) = 0;
    virtual std::optional<QString> ordnerWaehlen(const QString& titel,
                                                 const QString& startordner) = 0;
};
