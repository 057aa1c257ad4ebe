#pragma once
// ObjectStore: every object of one program in the list of its kind, the serial counters, the
// look-ups by serial, position and alias, and the factories of the program-file reader.
// Objects made here get the store's owner as their Owner.
#include "olvide/model/commanders/commander.h"
#include "olvide/model/elements/elements.h"
#include "olvide/model/objects/constant.h"
#include "olvide/model/objects/paint_element.h"
#include "olvide/model/objects/yin.h"

#include <memory>
#include <string_view>
#include <vector>

namespace olvide {

class ProgramServices;

// Counts a serial counter up and answers the new serial. A counter read from a damaged file
// may already stand at the largest serial; it stays there.
std::int32_t nextSerial(std::int32_t& counter);

class ObjectStore {
public:
    explicit ObjectStore(ProgramServices& owner) : owner_(owner) {}
    // The owner frees the store with clear() while it is still whole: the steps of the
    // commanders give their constants back through it.
    ~ObjectStore() { clear(); }
    ObjectStore(const ObjectStore&) = delete;
    ObjectStore& operator=(const ObjectStore&) = delete;

    std::vector<std::unique_ptr<TPaintElement>> paintElements;
    std::vector<std::unique_ptr<TCommander>> commanders; // main commanders first
    std::vector<std::unique_ptr<TprogramVaribler>> elements;
    std::vector<std::unique_ptr<Tprogramconstant>> constants;
    std::vector<std::unique_ptr<Tyin>> yins;

    // The serial of the last object of each kind; elements of every kind share one count.
    std::int32_t mainCommanderCount = 0;
    std::int32_t flowCommanderCount = 1000;
    std::int32_t elementCount = 0;
    std::int32_t constantCount = 0;

    // Look-ups of serials (1-based; 0 or past the end yields none) and positions (-1 for none).
    TprogramVaribler* ObjectByIndex(std::int32_t n) const;
    Tprogramconstant* ConstantByIndex(std::int32_t n) const;
    TCommander* CommanderByIndex(std::int32_t n) const;
    int IndexOf(const TVisualor* object) const;
    int mainCommanderTotal() const;
    TMaincommander* mainCommander(int i) const; // i-th main commander, 0-based
    // Position of a main commander among the main commanders (its value store); -1 for none.
    int storeIndexOf(const TMaincommander* main) const;
    TprogramVaribler* findElement(std::string_view alias) const; // case-blind
    TCommander* findCommander(std::string_view alias) const;     // case-blind
    bool usedByAnyStep(const TVisualor* object) const;
    // Appends the element and, once each, everything that goes when it goes: its parts, the
    // indexes and output lines made from it, the elements of its array.
    void collectDependents(TprogramVaribler& element, std::vector<TprogramVaribler*>& out) const;

    // A new element of a kind code at (x, y) with the serial id, as yet in no list; none for
    // a code that is no element kind.
    std::unique_ptr<TprogramVaribler> makeElement(std::uint8_t kindCode, int x, int y,
                                                  std::int32_t id) const;
    // The program-file reader's factories: a blank object of a kind code at (24, 24) with
    // serial 0, made without the parts a new object makes for itself (those are read from
    // the file). None for a code the section does not know. For an array give its element
    // pattern (an element read before).
    std::unique_ptr<TprogramVaribler> createElementForReading(std::uint8_t kindCode,
                                                              TprogramVaribler* pattern = nullptr);
    std::unique_ptr<TCommander> createCommanderForReading(std::uint8_t kindCode);
    std::unique_ptr<Tprogramconstant> createConstantForReading();
    std::unique_ptr<Tyin> createYinForReading();
    // Set while the reader's factories make an object.
    bool reading() const { return reading_; }

    // Appends an element (an array element also to its array's Elements) or a commander
    // (main commanders ahead of the others).
    TprogramVaribler& adoptElement(std::unique_ptr<TprogramVaribler> element);
    TCommander& adoptCommander(std::unique_ptr<TCommander> commander);
    template <class T> T* addElement(std::unique_ptr<T> element) {
        T* added = element.get();
        elements.push_back(std::move(element));
        return added;
    }
    // Takes an object out of its list; none when it is not listed.
    std::unique_ptr<TprogramVaribler> takeElement(const TprogramVaribler* element);
    std::unique_ptr<TCommander> takeCommander(const TCommander* commander);
    void removeConstant(const Tprogramconstant* constant);
    // Frees every object; the commanders go first, as their steps give their constants back.
    void clear();

private:
    ProgramServices& owner_;
    bool reading_ = false;
    bool clearing_ = false; // set while clear() frees everything
};

} // namespace olvide
