// The two pages of the side panel: the teleports of the open map, and the
// constant objects with the quantity box beside the map's placements. Page
// fills and buttons take the MapView as data; the list row callbacks get no
// data and reach it through activeMapView().
#pragma once
#include "view/map_view.h"

void fillTeleportsPage(void* data);
void fillObjectsPage(void* data);

// The indexer of every list: row i's data is the address of rowIndex[i].
void* rowData(void* listData, int row);

// Row texts (buffers of 100000 bytes; no row needs more than a few hundred).
void teleportRowText(void* rowData, char* buffer);
void constantObjectRowText(void* rowData, char* buffer);
void placementRowText(void* rowData, char* buffer);

// Select callbacks: the row's index becomes the list's selection.
void teleportSelected(int rowId, void* rowData);
void constantObjectSelected(int rowId, void* rowData);
void placementSelected(int rowId, void* rowData);

// The Delete key in the teleport list: removes the row and clears the selection.
void teleportDeleteKey(int rowId, void* rowData);

void addTeleportClicked(void* data);
void deleteTeleportClicked(void* data);
void addObjectClicked(void* data);
void deletePlacementClicked(void* data);
