// The host SDK: what a host needs to interpret a description it got from
// GetPacketProc. It reads descriptions; it never builds them. Link
// ctrlelem_pack::host (CMake) or `pkg-config ctrlelem_pack_host`. Every header a
// host may include is under ctrlelem_pack/ (this folder); this one includes
// them all.
//
// - ctrlelem_pack/schema/constants.h: named values of the schema: colours
//   (COLORREF, 0x00BBGGRR; 0xFF00FF is the transparent key), text format and
//   font style bits, button style words, hint, window and menu item values.
// - ctrlelem_pack/schema/kind_table.h: the schema as data. Kinds() and
//   FindKind() give every element kind with its name and fields (key, meaning,
//   value types, what a nested packet must be) and the keys of its element id,
//   anchor flags and placement rectangle; SchemaOf() picks the row for a packet.
// - ctrlelem_pack/schema/readers.h: total, typed look-ups (ReadUnsigned,
//   ReadRect, ReadSize, ReadText, ReadContainer with VisitChildren, ReadHint,
//   ReadStateSet, ReadMenu). Bad input gives a ReadStatus, never an exception.
// - ctrlelem_pack/schema/anchor.h: the anchor flag bits and PlaceChild(), which
//   turns a child's flags and rectangle into edges inside a parent of a given
//   size.
// - ctrlelem_pack/schema/checker.h: CheckDescription(), the schema check behind
//   `ctrlelem check`, one Finding (path and reason) per fault, against the
//   facts of the catalogue that registered the description.
// - ctrlelem_pack/schema/element_path.h: PathStep(), how those paths are
//   spelled, for a host that names the places it draws as the checker does.
// - ctrlelem_pack/layout.h: LayOut(), every element of a description at a
//   window size with its box, clip, visibility and laid-out text, through the
//   host's own text measurement (namespace ctrlelem::layout).
//
// Everything is in namespace ctrlelem::schema, except the anchor flags and
// PlaceChild (namespace ctrlelem). The version is in <ctrlelem_pack/version.h>.
#pragma once

#include "ctrlelem_pack/layout.h"
#include "ctrlelem_pack/schema/anchor.h"
#include "ctrlelem_pack/schema/checker.h"
#include "ctrlelem_pack/schema/constants.h"
#include "ctrlelem_pack/schema/element_path.h"
#include "ctrlelem_pack/schema/kind_table.h"
#include "ctrlelem_pack/schema/readers.h"
#include "ctrlelem_pack/version.h"
