#pragma once
// The application's edition (1 EFILE for preparers, 2 NETFILE for
// individuals), which the return-file reader and the repairs after reading
// need. The application object sets it at start.

unsigned char currentEdition();
void setCurrentEdition(unsigned char edition);
