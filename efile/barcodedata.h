#pragma once
// The paper return's barcode data, stored in every saved return file.

// Installs the efile library's writer behind IndividualTaxData::WriteBarcode,
// as the program does at start-up.
void installBarcodeData();
