#pragma once

// Prints the document in gActiveDoc with a header on every page: the date, the document's
// caption and the page number. Long lines wrap by character, and with two columns a page holds
// two columns of text. Nothing happens when the user cancels the print or save dialog.
void PrintDocument();
