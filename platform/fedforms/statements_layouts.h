#pragma once
// The pages of the statements: self-employment, rental, employment
// expenses and principal-residence designations, beside the field tables
// of statements.cpp. The parts the statements share (identification,
// partners, motor vehicle, business-use-of-home, capital cost allowance)
// are laid out once and composed like the field tables.

#include "pagelayout.h"

// Shared parts.
extern const LayoutTable kStatementIdentityLayout;  // business, farming and fishing statements
extern const LayoutTable kRentalIdentityLayout;     // T776: the business details kept off its pages
extern const LayoutTable kInternetLayout;
extern const LayoutTable kPartnerLayout;
extern const LayoutTable kPartnerDeductionLayout;
extern const LayoutTable kVehicleLayout;
extern const LayoutTable kHomeLayout;
extern const LayoutTable kCcaLayout;

// Each statement's own part.
extern const LayoutTable kT776Layout;
extern const LayoutTable kT1163Layout;
extern const LayoutTable kT2042Layout;
extern const LayoutTable kT2121Layout;
extern const LayoutTable kT2125Layout;
extern const LayoutTable kT5013Layout;
extern const LayoutTable kT777Layout;
extern const LayoutTable kTL2Layout;
extern const LayoutTable kT2091IdentityLayout;  // T2091(IND): the individual
extern const LayoutTable kT1255IdentityLayout;  // T1255: the deceased and the legal representative
extern const LayoutTable kT2091PropertiesLayout;
extern const LayoutTable kT777SLayout;
