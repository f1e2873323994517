#pragma once

class CaptionedList;
class QAccessibleInterface;

// A list with caption as a screen reader meets it: a List named by its
// caption, valued by what its field shows, with one ListItem per entry.
QAccessibleInterface* listAccessible(CaptionedList* list);
