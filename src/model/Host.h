// The core's one way out: the shell implements it with Qt, tests and nukcheck
// with the recording host below.
#pragma once

#include <string>
#include <vector>

namespace nuk {

// A modal message box with an OK button only.
struct Meldung {
    std::string text;   // UTF-8
    std::string titel;  // empty: no title of its own (the application's title shows)
    int zeile = -1;     // rows in TextList when it was shown: the row the reader was at
    bool operator==(const Meldung&) const = default;
};

class Host {
  public:
    virtual ~Host() = default;
    // Returns when the user has closed the box.
    virtual void zeigeMeldung(const Meldung& meldung) = 0;
};

class AufzeichnenderHost : public Host {
  public:
    void zeigeMeldung(const Meldung& meldung) override { meldungen.push_back(meldung); }
    std::vector<Meldung> meldungen;
};

}  // namespace nuk
