// The catalogue: every description the library registers, each element id
// beside the builder that makes it, in the order InitPacketsLib builds them.
// It is the top of the library: it knows every builder; no builder, and
// nothing in frame/, schema/ or text/, knows it.
#pragma once

#include <map>
#include <span>
#include <vector>

#include "ctrlelem_pack/schema/checker.h"
#include "frame/registry.h"

namespace ctrlelem::catalogue {

// A window or menu: its id and the builder that makes it from that id.
struct Entry {
  ElementId id;
  __packet (*build)(ElementId id);
};

// A dialog group: its builder returns its dialogs, each with the id its table
// row gives.
using DialogGroup = std::vector<ElementDescription> (*)();

// The windows and menus, family by family, then the dialog groups. Every
// window comes before every dialog.
std::span<const Entry> Windows();
std::span<const DialogGroup> DialogGroups();

// What the checker holds these descriptions against beyond the schema: the ids
// of the menus registered on their own and the deviations the descriptions
// carry on purpose (check_facts.cpp says why each one).
schema::CatalogueFacts CheckFacts();

// Builds and registers every description, in catalogue order.
void RegisterAll();

// The descriptions of the ids, built afresh without the registry, each as the
// registry would keep it. Each window builder and each dialog group runs at
// most once, however many of its ids are asked; ids not in the catalogue are
// left out.
std::map<ElementId, __packet> BuildDescriptions(std::span<const ElementId> ids);

// The description of one id the same way; the empty packet for an id not in
// the catalogue.
__packet BuildDescription(ElementId id);

}  // namespace ctrlelem::catalogue
