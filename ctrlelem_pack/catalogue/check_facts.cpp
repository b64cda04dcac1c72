// The catalogue's facts for the schema checker.
#include "catalogue/catalogue.h"

namespace ctrlelem::catalogue {
namespace {

using schema::CheckException;
using schema::Rule;

// The menus that are registered on their own; every other id is a window.
constexpr std::uint32_t kMenuDescriptionIds[] = {7, 8, 12};

// Deviations the descriptions carry on purpose, and why.
constexpr CheckException kKnownExceptions[] = {
    // Button 1002 of the split-view window 3 is a copy of button 1001's
    // finished packet: it keeps 1001's layer containers (two, five, five and
    // two layers) while its counts are set to 1, 4, 4 and 1, so the host shows
    // fewer layers than the containers hold.
    {3, 1002, Rule::count_matches_container},
    // Window 2 carries the same control bar, button 1002 unchanged.
    {2, 1002, Rule::count_matches_container},
    // The main window's buttons 1015 and 1017 (style 1) give each state a
    // container of one icon but a layer count of 0.
    {1, 1015, Rule::count_matches_container},
    {1, 1017, Rule::count_matches_container},
};

}  // namespace

schema::CatalogueFacts CheckFacts() { return {kMenuDescriptionIds, kKnownExceptions}; }

}  // namespace ctrlelem::catalogue
