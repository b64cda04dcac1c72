// The host SDK: what a host needs to interpret a description it got from
// GetPacketProc. It reads descriptions; it never builds them. Link
// ctrlelem_pack::host (CMake) or `pkg-config ctrlelem_pack_host`.
//
// - schema/kind_table.h: the schema as data. Kinds() and FindKind() give every
//   element kind with its name and fields (key, meaning, value types, what a
//   nested packet must be) and the keys of its element id, anchor flags and
//   placement rectangle; SchemaOf() picks the row for a packet.
// - schema/readers.h: total, typed look-ups (ReadUnsigned, ReadText,
//   ReadContainer with VisitChildren, ReadHint, ReadStateSet, ReadMenu). Bad
//   input gives a ReadStatus, never an exception.
// - schema/anchor.h: the anchor flag bits and PlaceChild(), which turns a
//   child's flags and rectangle into edges inside a parent of a given size.
// - schema/checker.h: CheckDescription(), the schema check behind
//   `ctrlelem check`, one Finding (path and reason) per fault.
// - schema/element_path.h: PathStep(), how those paths are spelled, for a host
//   that names the places it draws as the checker does.
// - ctrlelem_pack/layout.h: LayOut(), every element of a description at a
//   window size with its box, clip, visibility and laid-out text, through the
//   host's own text measurement (namespace ctrlelem::layout).
//
// Everything is in namespace ctrlelem::schema, except the anchor flags and
// PlaceChild (namespace ctrlelem). The version is in <ctrlelem_pack/version.h>.
#pragma once

#include "ctrlelem_pack/layout.h"
#include "ctrlelem_pack/version.h"
#include "schema/anchor.h"
#include "schema/checker.h"
#include "schema/element_path.h"
#include "schema/kind_table.h"
#include "schema/readers.h"
