#include "statements.h"

#include "statements_layouts.h"

#include <cmath>

#include "federal2021.h"
#include "formtypes.h"

namespace {

// A sole proprietor owns the whole of the activity until told otherwise.
constexpr FieldSpec fullShare(const char* name)
{
    return FieldSpec{name, CField::Float, "100"};
}

constexpr int kCcaClasses = 20;
constexpr int kAssetRows = 10;
constexpr int kPartners = 4;
constexpr int kWebsites = 5;
constexpr int kPartnerDeductions = 5;

// Identification of a self-employment or rental statement.
const FieldSpec kStatementIdentity[] = {
    QM_STR("owner_name"),
    QM_STR("owner_sin"),
    QM_STR("business_name"),
    QM_STR("business_number"),          // 15-character program account number
    QM_STR("business_address"),
    QM_STR("business_city"),
    QM_STR("business_province"),        // two-letter code
    QM_STR("business_postal_code"),
    QM_DATE("fiscal_period_start"),
    QM_DATE("fiscal_period_end"),
    QM_BOOL("is_final_year"),           // the last year of the activity
    QM_STR("main_product"),             // main product or service
    QM_INT("industry_code"),
    QM_STR("partnership_business_number"),
    fullShare("partnership_percent"),
    QM_STR("tax_shelter_id"),
    QM_INT("accounting_method"),        // 0 cash, 1 accrual
    QM_STR("preparer_name"),
    QM_STR("preparer_address"),
    QM_STR("preparer_city"),
    QM_STR("preparer_province"),
    QM_STR("preparer_postal_code"),
};

// Internet business activities.
const FieldSpec kInternetFields[] = {
    QM_INT("website_count"),
    QM_ROWS("websites.#.url", CField::String, kWebsites),
    QM_AMT("internet_income_percent"),  // share of gross income from webpages and websites
};

// Details of the other partners or co-owners, and of equity.
const FieldSpec kPartnerFields[] = {
    QM_ROWS("partners.#.name", CField::String, kPartners),
    QM_ROWS("partners.#.address", CField::String, kPartners),
    QM_SIGNED_ROWS("partners.#.share", kPartners),      // share of net income (loss)
    QM_AMT_ROWS("partners.#.percent", kPartners),
    QM_AMT("9931"),                     // total business liabilities
    QM_AMT("9932"),                     // drawings in the year
    QM_AMT("9933"),                     // capital contributions in the year
};

// Other amounts deductible from your share of net partnership income (loss).
const FieldSpec kPartnerDeductionFields[] = {
    QM_ROWS("partnership_deductions.#.description", CField::String, kPartnerDeductions),
    QM_AMT_ROWS("partnership_deductions.#.amount", kPartnerDeductions),
    QM_CALC("9943"),
};

// Motor vehicle expenses chart, with its interest and leasing charts.
const FieldSpec kVehicleFields[] = {
    QM_AMT("vehicle_km_business"),      // kilometres driven to earn the income
    QM_AMT("vehicle_km_total"),
    QM_AMT("vehicle_fuel"),             // fuel and oil
    QM_AMT("vehicle_interest_paid"),
    QM_INT("vehicle_interest_days"),
    QM_CALC("vehicle_interest"),        // interest allowed for passenger vehicles
    QM_AMT("vehicle_insurance"),
    QM_AMT("vehicle_licence"),          // licence and registration
    QM_AMT("vehicle_repairs"),          // maintenance and repairs
    QM_AMT("vehicle_lease_paid"),
    QM_INT("vehicle_lease_days"),
    QM_AMT("vehicle_list_price"),       // manufacturer's list price of a leased vehicle
    QM_AMT("vehicle_lease_deposit"),
    QM_AMT("vehicle_lease_reimbursements"),
    QM_CALC("vehicle_leasing"),         // leasing costs allowed
    QM_AMT("vehicle_electricity"),      // electricity for zero-emission vehicles
    QM_AMT("vehicle_other"),
    QM_STR("vehicle_other_description"),
    QM_CALC("vehicle_total"),
    QM_CALC("vehicle_business_part"),
    QM_AMT("vehicle_parking"),          // business parking fees
    QM_AMT("vehicle_supplementary_insurance"),
    QM_CALC("vehicle_allowable"),
};

// Business-use-of-home expenses.
const FieldSpec kHomeFields[] = {
    QM_AMT("home_heat"),
    QM_AMT("home_electricity"),
    QM_AMT("home_insurance"),
    QM_AMT("home_maintenance"),
    QM_AMT("home_mortgage_interest"),
    QM_AMT("home_property_taxes"),
    QM_AMT("home_other"),
    QM_CALC("home_total"),
    QM_AMT("home_personal_part"),
    QM_CALC("home_business_part"),
    QM_AMT("home_cca"),                 // business part of the home's capital cost allowance
    QM_AMT("home_carryforward_prior"),  // amount carried forward from the previous year
    QM_CALC("home_subtotal"),
    QM_CALC("home_income_limit"),       // net income (loss) after adjustments
    QM_CALC("home_carryforward_next"),  // amount carried forward to the next year
    QM_CALC("9945"),
};

// Capital cost allowance: the classes (Area A) and the additions and
// dispositions of equipment, buildings and land (Areas B to F).
const FieldSpec kCcaFields[] = {
    QM_ROWS("cca.#.class", CField::String, kCcaClasses),         // "1", "10.1", "14.1", ...
    QM_ROWS("cca.#.description", CField::String, kCcaClasses),
    QM_AMT_ROWS("cca.#.ucc_start", kCcaClasses),      // UCC at the start of the year
    QM_AMT_ROWS("cca.#.additions", kCcaClasses),      // cost of additions
    QM_AMT_ROWS("cca.#.additions_aiip", kCcaClasses), // additions of AIIP or zero-emission vehicles
    QM_AMT_ROWS("cca.#.dispositions", kCcaClasses),   // proceeds of dispositions
    QM_CALC_ROWS("cca.#.ucc_after", kCcaClasses),                    // UCC after additions and dispositions
    QM_CALC_ROWS("cca.#.aiip_proceeds", kCcaClasses),
    QM_CALC_ROWS("cca.#.aiip_adjustment", kCcaClasses),
    QM_CALC_ROWS("cca.#.half_year_adjustment", kCcaClasses),
    QM_CALC_ROWS("cca.#.base", kCcaClasses),                         // base amount for CCA
    QM_AMT_ROWS("cca.#.rate", kCcaClasses),           // percent
    QM_ROWS("cca.#.claim_reduced", CField::Bool, kCcaClasses),   // claim less than the full allowance
    QM_AMT_ROWS("cca.#.claim_amount", kCcaClasses),   // the smaller claim
    QM_CALC_ROWS("cca.#.cca", kCcaClasses),
    QM_CALC_ROWS("cca.#.recapture", kCcaClasses),
    QM_CALC_ROWS("cca.#.terminal_loss", kCcaClasses),
    QM_CALC_ROWS("cca.#.ucc_end", kCcaClasses),
    QM_ROWS("equipment_additions.#.class", CField::String, kAssetRows),
    QM_ROWS("equipment_additions.#.description", CField::String, kAssetRows),
    QM_AMT_ROWS("equipment_additions.#.cost", kAssetRows),
    QM_AMT_ROWS("equipment_additions.#.personal_part", kAssetRows),
    QM_CALC_ROWS("equipment_additions.#.business_part", kAssetRows),
    QM_CALC("9925"),
    QM_ROWS("building_additions.#.class", CField::String, kAssetRows),
    QM_ROWS("building_additions.#.description", CField::String, kAssetRows),
    QM_AMT_ROWS("building_additions.#.cost", kAssetRows),
    QM_AMT_ROWS("building_additions.#.personal_part", kAssetRows),
    QM_CALC_ROWS("building_additions.#.business_part", kAssetRows),
    QM_CALC("9927"),
    QM_ROWS("equipment_dispositions.#.class", CField::String, kAssetRows),
    QM_ROWS("equipment_dispositions.#.description", CField::String, kAssetRows),
    QM_AMT_ROWS("equipment_dispositions.#.proceeds", kAssetRows),
    QM_AMT_ROWS("equipment_dispositions.#.personal_part", kAssetRows),
    QM_CALC_ROWS("equipment_dispositions.#.business_part", kAssetRows),
    QM_CALC("9926"),
    QM_ROWS("building_dispositions.#.class", CField::String, kAssetRows),
    QM_ROWS("building_dispositions.#.description", CField::String, kAssetRows),
    QM_AMT_ROWS("building_dispositions.#.proceeds", kAssetRows),
    QM_AMT_ROWS("building_dispositions.#.personal_part", kAssetRows),
    QM_CALC_ROWS("building_dispositions.#.business_part", kAssetRows),
    QM_CALC("9928"),
    QM_AMT("9923"),                     // total cost of all land additions
    QM_AMT("9924"),                     // total proceeds from all land dispositions
};

// ---- T776

constexpr int kRentalProperties = 10;
constexpr int kCoOwners = 4;

const FieldSpec kT776Fields[] = {
    QM_ROWS("co_owners.#.name", CField::String, kCoOwners),
    QM_ROWS("co_owners.#.address", CField::String, kCoOwners),
    QM_SIGNED_ROWS("co_owners.#.share", kCoOwners),      // share of net income (loss)
    QM_AMT_ROWS("co_owners.#.percent", kCoOwners),
    QM_ROWS("properties.#.address", CField::String, kRentalProperties),
    QM_ROWS("properties.#.city", CField::String, kRentalProperties),
    QM_ROWS("properties.#.province", CField::String, kRentalProperties),
    QM_ROWS("properties.#.postal_code", CField::String, kRentalProperties),
    QM_ROWS("properties.#.units", CField::Int, kRentalProperties),
    QM_ROWS("properties.#.is_co_owned", CField::Bool, kRentalProperties),
    QM_AMT_ROWS("properties.#.percent", kRentalProperties),     // your percentage of ownership
    QM_AMT_ROWS("properties.#.gross_rents", kRentalProperties),
    QM_CALC("8141"),                    // total gross rents
    QM_AMT("8230"),                     // other related income
    QM_CALC("8299"),                    // gross rental income
    QM_AMT("8521"),                     // advertising
    QM_AMT("8690"),                     // insurance
    QM_AMT("8710"),                     // interest and bank charges
    QM_AMT("8810"),                     // office expenses
    QM_AMT("8860"),                     // professional fees (legal and accounting)
    QM_AMT("8871"),                     // management and administration fees
    QM_AMT("8960"),                     // repairs and maintenance
    QM_AMT("9060"),                     // salaries, wages, and benefits
    QM_AMT("9180"),                     // property taxes
    QM_AMT("9200"),                     // travel
    QM_AMT("9220"),                     // utilities
    QM_AMT("9281"),                     // motor vehicle expenses (not including CCA)
    QM_AMT("9270"),                     // other expenses
    QM_STR("other_expenses_description"),
    QM_CALC("total_expenses"),
    QM_AMT("9949"),                     // total personal portion
    QM_CALC("9369"),                    // net income (loss) before adjustments
    QM_CALC("co_owner_share"),          // your share of line 9369
    QM_AMT("co_owner_other_expenses"),
    QM_CALC("9947"),                    // recaptured CCA
    QM_CALC("9948"),                    // terminal loss
    QM_CALC("9936"),                    // capital cost allowance
    QM_CALC("9946"),                    // net income (loss)
    QM_SIGNED("partner_share"),            // your share of line 9946, or the T5013 amount
    QM_AMT("partner_other_expenses"),
    QM_CALC("net_income"),              // your net income (loss)
    QM_CALC("12599"),                   // gross rental income for the return
    QM_CALC("12600"),                   // net rental income for the return
};

// ---- T1163

constexpr int kCommodityRows = 30;
constexpr int kProductionRows = 20;

const FieldSpec kT1163Fields[] = {
    QM_STR("first_name"),
    QM_STR("last_name"),
    QM_STR("sin"),
    QM_STR("pin"),                      // participant identification number
    QM_STR("business_number"),
    QM_STR("business_name"),
    QM_STR("address"),
    QM_STR("city"),
    QM_STR("province"),                 // two-letter code of the mailing address
    QM_STR("postal_code"),
    QM_STR("phone"),
    QM_STR("cellphone"),
    QM_STR("fax"),
    QM_STR("email"),
    QM_INT("language"),                 // 0 English, 1 French
    QM_INT("farm_province"),            // province of the main farmstead
    QM_INT("years_farmed"),
    QM_BOOL("is_final_year"),
    QM_DATE("fiscal_period_start"),
    QM_DATE("fiscal_period_end"),
    QM_INT("accounting_method"),        // 0 cash, 1 accrual
    QM_BOOL("is_partnership"),
    fullShare("partnership_percent"),
    QM_STR("partnership_business_number"),
    QM_BOOL("is_feeder_association"),
    QM_BOOL("is_crop_share_landlord"),
    QM_BOOL("is_crop_share_tenant"),
    QM_BOOL("is_public_office_holder"),
    QM_BOOL("has_contact_person"),
    QM_STR("contact_first_name"),
    QM_STR("contact_last_name"),
    QM_STR("contact_business_name"),
    QM_STR("contact_address"),
    QM_STR("contact_city"),
    QM_STR("contact_province"),
    QM_STR("contact_postal_code"),
    QM_STR("contact_phone"),
    QM_INT("industry_code"),
    QM_STR("tax_shelter_id"),
    QM_STR("preparer_name"),
    QM_STR("preparer_address"),
    // Income: commodity sales and program payments, by the guide's codes.
    QM_ROWS("commodity_income.#.code", CField::Int, kCommodityRows),
    QM_AMT_ROWS("commodity_income.#.amount", kCommodityRows),
    QM_CALC("9950"),                    // total commodity sales and program payments
    QM_AMT("9540"),                     // other program payments
    QM_AMT("9544"),                     // business risk management and disaster assistance payments
    QM_AMT("9574"),                     // resales, rebates, GST/HST for allowable expenses
    QM_AMT("9575"),                     // resales, rebates, GST/HST for non-allowable expenses, recaptured CCA
    QM_AMT("9600"),                     // other non-allowable income
    QM_AMT("9601"),                     // agricultural contract work
    QM_AMT("9604"),                     // insurance proceeds
    QM_AMT("9605"),                     // patronage dividends
    QM_AMT("9607"),                     // interest
    QM_AMT("9610"),                     // gravel
    QM_AMT("9611"),                     // trucking (farm-related only)
    QM_AMT("9613"),                     // leases (gas, oil well, surface)
    QM_AMT("9614"),                     // machine rentals
    QM_CALC("other_income_total"),
    QM_CALC("9959"),                    // gross farming income
    // Expenses: commodity purchases and repayments of program benefits, by code.
    QM_ROWS("commodity_purchases.#.code", CField::Int, kCommodityRows),
    QM_AMT_ROWS("commodity_purchases.#.amount", kCommodityRows),
    QM_CALC("9960"),                    // total commodity purchases and repayments
    // Allowable expenses.
    QM_AMT("9661"),                     // containers and twine
    QM_AMT("9662"),                     // fertilizers and soil supplements
    QM_AMT("9663"),                     // pesticides and chemical treatments
    QM_AMT("9665"),                     // insurance premiums (crop or production)
    QM_AMT("9713"),                     // veterinary fees, medicine and breeding fees
    QM_AMT("9714"),                     // minerals and salts
    QM_AMT("9764"),                     // machinery fuel
    QM_AMT("9799"),                     // electricity
    QM_AMT("9802"),                     // heating fuel
    QM_AMT("9814"),                     // arm's length salaries
    QM_AMT("9822"),                     // storage and drying
    QM_AMT("9836"),                     // commissions and levies
    QM_CALC("allowable_expenses_total"),
    // Non-allowable expenses.
    QM_AMT("9760"),                     // machinery (repairs, licences, insurance)
    QM_AMT("9765"),                     // machinery lease or rental
    QM_AMT("9792"),                     // advertising and promotion
    QM_AMT("9795"),                     // building and fence repairs
    QM_AMT("9796"),                     // land clearing and draining
    QM_AMT("9798"),                     // agricultural contract work
    QM_AMT("9804"),                     // other insurance premiums
    QM_AMT("9805"),                     // interest (real estate, mortgage, other)
    QM_AMT("9807"),                     // memberships and subscription fees
    QM_AMT("9808"),                     // office expenses
    QM_AMT("9809"),                     // legal and accounting fees
    QM_AMT("9810"),                     // property taxes
    QM_AMT("9811"),                     // rent (land, buildings, pastures)
    QM_AMT("9816"),                     // non-arm's length salaries
    QM_AMT("9819"),                     // motor vehicle expenses
    QM_AMT("9820"),                     // small tools
    QM_AMT("9821"),                     // soil testing
    QM_AMT("9823"),                     // licences and permits
    QM_AMT("9824"),                     // telephone
    QM_AMT("9825"),                     // quota rental (tobacco, dairy)
    QM_AMT("9826"),                     // gravel
    QM_AMT("9827"),                     // purchases of commodities resold
    QM_AMT("9829"),                     // motor vehicle interest and leasing costs
    QM_CALC("9936"),                    // capital cost allowance
    QM_SIGNED("9937"),                     // mandatory inventory adjustment of the previous year
    QM_SIGNED("9938"),                     // optional inventory adjustment of the previous year
    QM_AMT("other_non_allowable_expenses"),
    QM_CALC("non_allowable_expenses_total"),
    QM_CALC("9968"),                    // total expenses
    QM_CALC("9969"),                    // net income (loss) before adjustments
    QM_AMT("9940"),                     // other deductions
    QM_SIGNED("9941"),                     // optional inventory adjustment of the year
    QM_SIGNED("9942"),                     // mandatory inventory adjustment of the year
    QM_SIGNED("partnership_share"),        // your share, or the amount of your T5013 slip
    QM_CALC("9944"),                    // net income (loss) after adjustments
    QM_CALC("9945"),                    // business-use-of-home expenses
    QM_CALC("9946"),                    // your net income (loss)
    QM_CALC("14099"),                   // gross farming income for the return
    QM_CALC("14100"),                   // net farming income for the return
    // Productive capacity, inventory, and receivables and payables.
    QM_ROWS("production.#.code", CField::Int, kProductionRows),
    QM_ROWS("production.#.description", CField::String, kProductionRows),
    QM_AMT_ROWS("production.#.quantity", kProductionRows),
    QM_ROWS("inventory.#.code", CField::Int, kProductionRows),
    QM_AMT_ROWS("inventory.#.quantity_start", kProductionRows),
    QM_AMT_ROWS("inventory.#.quantity_end", kProductionRows),
    QM_AMT_ROWS("inventory.#.value_end", kProductionRows),
    QM_AMT("receivables_start"),
    QM_AMT("receivables_end"),
    QM_AMT("payables_start"),
    QM_AMT("payables_end"),
};

// ---- T2042

const FieldSpec kT2042Fields[] = {
    // Part 3 – Farm income.
    QM_AMT("9371"),                     // wheat
    QM_AMT("9372"),                     // oats
    QM_AMT("9373"),                     // barley
    QM_AMT("9374"),                     // mixed grains
    QM_AMT("9375"),                     // corn
    QM_AMT("9376"),                     // canola
    QM_AMT("9377"),                     // flaxseed
    QM_AMT("9378"),                     // soy beans
    QM_AMT("9421"),                     // fruit
    QM_AMT("9422"),                     // potatoes
    QM_AMT("9423"),                     // vegetables (excluding potatoes)
    QM_AMT("9424"),                     // tobacco
    QM_AMT("9425"),                     // greenhouse and nursery products
    QM_AMT("9426"),                     // forage crops or seeds
    QM_AMT("9471"),                     // cattle
    QM_AMT("9472"),                     // swine
    QM_AMT("9473"),                     // poultry
    QM_AMT("9474"),                     // sheep and lambs
    QM_AMT("9475"),                     // pregnant mare urine (PMU)
    QM_AMT("9476"),                     // milk and cream (excluding dairy subsidies)
    QM_AMT("9477"),                     // eggs for consumption
    QM_AMT("9520"),                     // other commodities
    QM_STR("other_commodities_description"),
    QM_AMT("9540"),                     // other program payments
    QM_AMT("9541"),                     // dairy subsidies
    QM_AMT("9542"),                     // crop insurance
    QM_AMT("9544"),                     // AgriStability and AgriInvest payments
    QM_AMT("9570"),                     // rebates
    QM_AMT("9600"),                     // other income
    QM_STR("other_income_description"),
    QM_AMT("9601"),                     // custom or contract work and machinery rentals
    QM_AMT("9604"),                     // insurance proceeds
    QM_AMT("9605"),                     // patronage dividends
    QM_CALC("9659"),                    // gross income
    // Part 4 – Net income (loss) before adjustments.
    QM_AMT("9661"),                     // containers and twine
    QM_AMT("9662"),                     // fertilizers and lime
    QM_AMT("9663"),                     // pesticides
    QM_AMT("9664"),                     // seeds and plants
    QM_AMT("9711"),                     // feed, supplements, straw and bedding
    QM_AMT("9712"),                     // livestock purchased
    QM_AMT("9713"),                     // veterinary fees, medicine and breeding fees
    QM_AMT("9760"),                     // machinery repairs, licences and insurance
    QM_AMT("9764"),                     // machinery gasoline, diesel fuel and oil
    QM_AMT("9795"),                     // building repairs and maintenance
    QM_AMT("9796"),                     // clearing, levelling and draining land
    QM_AMT("9797"),                     // crop insurance, AgriInvest and AgriStability premiums
    QM_AMT("9798"),                     // custom or contract work and machinery rental
    QM_AMT("9799"),                     // electricity
    QM_AMT("9802"),                     // heating fuel
    QM_AMT("9803"),                     // insurance program overpayment recapture
    QM_AMT("9804"),                     // other insurance premiums
    QM_AMT("9805"),                     // interest and bank charges
    QM_AMT("9808"),                     // office expenses
    QM_AMT("9809"),                     // legal and accounting fees
    QM_AMT("9810"),                     // property taxes
    QM_AMT("9811"),                     // rent (land, buildings and pasture)
    QM_AMT("9814"),                     // salaries, wages and benefits
    QM_CALC("9819"),                    // motor vehicle expenses (from the chart)
    QM_AMT("9820"),                     // small tools
    QM_SIGNED("9937"),                     // mandatory inventory adjustment of the previous year
    QM_SIGNED("9938"),                     // optional inventory adjustment of the previous year
    QM_CALC("9936"),                    // capital cost allowance
    QM_AMT("9790"),                     // other expenses
    QM_STR("other_expenses_description"),
    QM_CALC("9898"),                    // total farm expenses
    QM_CALC("9899"),                    // net income (loss) before adjustments
    // Part 5 – Your net income (loss).
    QM_SIGNED("9941"),                     // optional inventory adjustment of the year
    QM_SIGNED("9942"),                     // mandatory inventory adjustment of the year
    QM_CALC("9944"),                    // net farm income (loss) after adjustments
    QM_CALC("line_5A"),                 // your share of line 9944
    QM_SIGNED("t5013_share"),              // the amount of your T5013 slip, when a partner
    QM_CALC("net_income_after_adjustments"),
    QM_CALC("9946"),                    // your net income (loss)
    QM_CALC("14099"),                   // gross farming income for the return
    QM_CALC("14100"),                   // net farming income for the return
};

// ---- T2121

const FieldSpec kT2121Fields[] = {
    QM_STR("boat_name"),
    QM_STR("main_species"),
    QM_STR("vessel_registration"),      // vessel registration number (VRN)
    // Income.
    QM_AMT("8121"),                     // fish products
    QM_AMT("8122"),                     // other marine products
    QM_AMT("8123"),                     // grants, credits, and rebates
    QM_AMT("8124"),                     // subsidies
    QM_AMT("8125"),                     // compensation for loss of fishing income or property
    QM_AMT("8126"),                     // other income
    QM_AMT("8127"),                     // sharesperson income
    QM_STR("sharesperson_boat"),        // name of the fishing boat and captain
    QM_CALC("8299"),                    // gross income
    QM_AMT("5345"),                     // income from which tax was withheld (T4 fishing boxes)
    // Expenses.
    QM_AMT("9138"),                     // bait, ice, salt
    QM_AMT("9062"),                     // crew shares
    QM_AMT("9224"),                     // fuel costs (except for motor vehicles)
    QM_AMT("9136"),                     // gear
    QM_AMT("8690"),                     // insurance
    QM_AMT("8710"),                     // interest and bank charges
    QM_AMT("8523"),                     // food
    QM_AMT("8760"),                     // licences
    QM_CALC("9281"),                    // motor vehicle expenses (from the chart)
    QM_AMT("8810"),                     // office expenses
    QM_AMT("9137"),                     // nets and traps
    QM_AMT("8860"),                     // legal, accounting, and other professional fees
    QM_AMT("9060"),                     // salaries, wages, and benefits
    QM_AMT("repairs_boat"),
    QM_AMT("repairs_engine"),
    QM_AMT("repairs_electrical"),
    QM_AMT("repairs_insurance_recovery"),
    QM_CALC("8963"),                    // repairs: your cost
    QM_AMT("9270"),                     // other expenses
    QM_STR("other_expenses_description"),
    QM_CALC("9936"),                    // capital cost allowance
    QM_CALC("9368"),                    // total expenses
    QM_CALC("9369"),                    // net income (loss) before adjustments
    QM_CALC("line_5A"),                 // your share of line 9369
    QM_SIGNED("t5013_share"),              // the amount of your T5013 slip, when a partner
    QM_CALC("net_income_after_adjustments"),
    QM_CALC("9946"),                    // your net income (loss)
    QM_CALC("14299"),                   // gross fishing income for the return
    QM_CALC("14300"),                   // net fishing income for the return
};

// ---- T2125

const FieldSpec kT2125Fields[] = {
    QM_BOOL("is_professional"),         // professional rather than business income
    QM_BOOL("is_government_service_contract"),  // income from federal government service contracts (T1204)
    QM_BOOL("has_placement_agency_income"),     // income through a placement or employment agency
    QM_STR("business_description"),
    // Part 3 – Business income.
    QM_AMT("line_3A"),                  // gross sales, commissions, or fees
    QM_AMT("line_3B"),                  // professional fees (including work-in-progress)
    QM_CALC("line_3C"),                 // gross sales, commissions, or fees of line 3A or 3B
    QM_AMT("sales_tax_included"),       // GST/HST, PST and QST collected or collectible included above
    QM_AMT("returns_allowances"),       // returns, allowances, and discounts included above
    QM_AMT("wip_start"),                // work-in-progress at the start, for the election to exclude it
    QM_AMT("wip_end"),                  // work-in-progress at the end, for that election
    QM_CALC("8000"),                    // adjusted gross sales or professional fees
    QM_AMT("8290"),                     // reserves deducted last year
    QM_AMT("8230"),                     // other income
    QM_STR("other_income_description"),
    QM_CALC("8299"),                    // gross business or professional income
    // Cost of goods sold and gross profit.
    QM_AMT("8300"),                     // opening inventory
    QM_AMT("8320"),                     // purchases during the year
    QM_AMT("8340"),                     // direct wage costs
    QM_AMT("8360"),                     // subcontracts
    QM_AMT("8450"),                     // other costs
    QM_AMT("8500"),                     // closing inventory
    QM_CALC("8518"),                    // cost of goods sold
    QM_CALC("8519"),                    // gross profit
    // Part 4 – Net income (loss) before adjustments.
    QM_AMT("8521"),                     // advertising
    QM_AMT("8523"),                     // meals and entertainment (allowable part only)
    QM_AMT("8590"),                     // bad debts
    QM_AMT("8690"),                     // insurance
    QM_AMT("8710"),                     // interest and bank charges
    QM_AMT("8760"),                     // business taxes, licences and memberships
    QM_AMT("8810"),                     // office expenses
    QM_AMT("8811"),                     // office stationery and supplies
    QM_AMT("8860"),                     // professional fees (legal and accounting)
    QM_AMT("8871"),                     // management and administration fees
    QM_AMT("8910"),                     // rent
    QM_AMT("8960"),                     // repairs and maintenance
    QM_AMT("9060"),                     // salaries, wages, and benefits
    QM_AMT("9180"),                     // property taxes
    QM_AMT("9200"),                     // travel expenses
    QM_AMT("9220"),                     // telephone and utilities
    QM_AMT("9224"),                     // fuel costs (except for motor vehicles)
    QM_AMT("9275"),                     // delivery, freight, and express
    QM_CALC("9281"),                    // motor vehicle expenses (from the chart)
    QM_CALC("9936"),                    // capital cost allowance
    QM_AMT("9270"),                     // other expenses
    QM_STR("other_expenses_description"),
    QM_CALC("9368"),                    // total expenses
    QM_CALC("9369"),                    // net income (loss) before adjustments
    // Part 5 – Your net income (loss).
    QM_CALC("line_5A"),                 // your share of line 9369
    QM_SIGNED("t5013_share"),              // the amount of your T5013 slip, when a partner
    QM_AMT("9974"),                     // GST/HST rebate for partners received in the year
    QM_CALC("net_income_after_adjustments"),
    QM_CALC("9946"),                    // your net income (loss)
    QM_CALC("13499"),                   // gross business income for the return
    QM_CALC("13500"),                   // net business income for the return
    QM_CALC("13699"),                   // gross professional income for the return
    QM_CALC("13700"),                   // net professional income for the return
    QM_CALC("13899"),                   // gross commission income for the return
    QM_CALC("13900"),                   // net commission income for the return
};

// ---- T5013 (form)

constexpr int kSections = CTaxData_T5013::kSections;

// The amount boxes of a section, as printed on the 2021 T5013 slip.
const char* const kT5013AmountColumns[] = {
    "partnerships.#.010",               // total limited partner business income (loss)
    "partnerships.#.101",               // limited partner's farming income (loss)
    "partnerships.#.102",               // agricultural income stabilization
    "partnerships.#.103",               // limited partner's fishing income (loss)
    "partnerships.#.104",               // limited partner's business income (loss)
    "partnerships.#.105",               // limited partner's at-risk amount
    "partnerships.#.106",               // limited partner's adjusted at-risk amount
    "partnerships.#.107",               // limited partner's rental income (loss)
    "partnerships.#.108",               // limited partner's loss available for carryforward
    "partnerships.#.109",               // previous loss carryforward eligible in the year
    "partnerships.#.113",               // return of capital
    "partnerships.#.020",               // total business income (loss)
    "partnerships.#.114",               // other income
    "partnerships.#.116",               // business income (loss)
    "partnerships.#.118",               // gross business income
    "partnerships.#.119",               // foreign business income
    "partnerships.#.120",               // professional income (loss)
    "partnerships.#.121",               // gross professional income
    "partnerships.#.122",               // commission income (loss)
    "partnerships.#.123",               // gross commission income
    "partnerships.#.124",               // farming income (loss)
    "partnerships.#.125",               // gross farming income
    "partnerships.#.126",               // fishing income (loss)
    "partnerships.#.127",               // gross fishing income
    "partnerships.#.110",               // Canadian and foreign net rental income (loss)
    "partnerships.#.111",               // foreign net rental income (loss)
    "partnerships.#.117",               // gross Canadian and foreign rental income
    "partnerships.#.030",               // total capital gains (losses)
    "partnerships.#.040",               // capital cost allowance
    "partnerships.#.9943",              // other amounts deductible from your share
    "partnerships.#.9945",              // business-use-of-home expenses
};

const FieldSpec kT5013Fields[] = {
    QM_ROWS("partnerships.#.kind", CField::Int, kSections),
    QM_ROWS("partnerships.#.name", CField::String, kSections),
    QM_ROWS("partnerships.#.001", CField::String, kSections),      // filer's account number
    QM_ROWS("partnerships.#.002", CField::String, kSections),      // partner code
    QM_ROWS("partnerships.#.003", CField::String, kSections),      // country code
    QM_ROWS("partnerships.#.004", CField::String, kSections),      // recipient type
    QM_AMT_ROWS("partnerships.#.005", kSections),       // partner's share (%) of the partnership
    QM_ROWS("partnerships.#.tax_shelter_id", CField::String, kSections),
    QM_ROWS("partnerships.#.industry_code", CField::Int, kSections),
    QM_ROWS("partnerships.#.business_postal_code", CField::String, kSections),
    QM_ROWS("partnerships.#.fiscal_period_start", CField::Date, kSections),
    QM_ROWS("partnerships.#.fiscal_period_end", CField::Date, kSections),
    QM_SIGNED_ROWS("partnerships.#.010", kSections),
    QM_SIGNED_ROWS("partnerships.#.101", kSections),
    QM_AMT_ROWS("partnerships.#.102", kSections),
    QM_SIGNED_ROWS("partnerships.#.103", kSections),
    QM_SIGNED_ROWS("partnerships.#.104", kSections),
    QM_AMT_ROWS("partnerships.#.105", kSections),
    QM_SIGNED_ROWS("partnerships.#.106", kSections),
    QM_SIGNED_ROWS("partnerships.#.107", kSections),
    QM_AMT_ROWS("partnerships.#.108", kSections),
    QM_AMT_ROWS("partnerships.#.109", kSections),
    QM_AMT_ROWS("partnerships.#.113", kSections),
    QM_SIGNED_ROWS("partnerships.#.020", kSections),
    QM_AMT_ROWS("partnerships.#.114", kSections),
    QM_SIGNED_ROWS("partnerships.#.116", kSections),
    QM_AMT_ROWS("partnerships.#.118", kSections),
    QM_AMT_ROWS("partnerships.#.119", kSections),
    QM_SIGNED_ROWS("partnerships.#.120", kSections),
    QM_AMT_ROWS("partnerships.#.121", kSections),
    QM_SIGNED_ROWS("partnerships.#.122", kSections),
    QM_AMT_ROWS("partnerships.#.123", kSections),
    QM_SIGNED_ROWS("partnerships.#.124", kSections),
    QM_AMT_ROWS("partnerships.#.125", kSections),
    QM_SIGNED_ROWS("partnerships.#.126", kSections),
    QM_AMT_ROWS("partnerships.#.127", kSections),
    QM_SIGNED_ROWS("partnerships.#.110", kSections),
    QM_SIGNED_ROWS("partnerships.#.111", kSections),
    QM_AMT_ROWS("partnerships.#.117", kSections),
    QM_SIGNED_ROWS("partnerships.#.030", kSections),
    QM_AMT_ROWS("partnerships.#.040", kSections),
    QM_AMT_ROWS("partnerships.#.9943", kSections),
    QM_AMT_ROWS("partnerships.#.9945", kSections),
    QM_CALC_ROWS("partnerships.#.9946", kSections),                    // your net income (loss)
};

// ---- T777

const FieldSpec kT777Fields[] = {
    QM_STR("employer_name"),
    QM_BOOL("is_commission_employee"),
    QM_BOOL("has_t2200"),               // the employer signed Form T2200
    QM_AMT("8860"),                     // accounting and legal fees
    QM_AMT("8521"),                     // advertising and promotion
    QM_CALC("9281"),                    // allowable motor vehicle expenses
    QM_AMT("meals_entertainment_actual"),
    QM_CALC("8523"),                    // food, beverages, and entertainment (50% of actual)
    QM_AMT("9200"),                     // lodging
    QM_AMT("9224"),                     // parking
    QM_AMT("8810"),                     // supplies
    QM_AMT("9060"),                     // salaries, including CPP/QPP, EI and PPIP contributions
    QM_AMT("8910"),                     // office rent
    QM_AMT("9270"),                     // other expenses
    QM_STR("other_expenses_description"),
    QM_CALC("9936"),                    // capital cost allowance for vehicles and instruments
    QM_AMT("musical_instrument_expenses"),  // maintenance, rental and insurance of instruments
    QM_AMT("artist_income"),            // income from artistic activities
    QM_AMT("artist_expenses"),
    QM_CALC("artist_claim"),            // artists' employment expenses allowed
    QM_AMT("tradesperson_tools_cost"),
    QM_CALC("tradesperson_tools_claim"),
    QM_AMT("apprentice_tools_cost"),
    QM_AMT("apprentice_tools_carryforward_prior"),
    QM_CALC("apprentice_tools_claim"),
    QM_CALC("apprentice_tools_carryforward_next"),
    QM_AMT("reimbursements"),           // reimbursements not included in income
    // Work-space-in-the-home expenses.
    QM_AMT("workspace_electricity"),
    QM_AMT("workspace_heat"),
    QM_AMT("workspace_water"),
    QM_AMT("workspace_maintenance"),
    QM_AMT("workspace_rent"),
    QM_AMT("workspace_insurance"),      // commission employees only
    QM_AMT("workspace_property_taxes"), // commission employees only
    QM_AMT("workspace_other"),
    QM_CALC("workspace_total"),
    QM_AMT("workspace_personal_part"),
    QM_CALC("workspace_business_part"),
    QM_AMT("workspace_carryforward_prior"),
    QM_CALC("workspace_income_limit"),
    QM_CALC("workspace_carryforward_next"),
    QM_CALC("9945"),                    // work-space-in-the-home expenses
    QM_CALC("9368"),                    // total expenses
};

// ---- TL2

constexpr int kTrips = 40;

const FieldSpec kTL2Fields[] = {
    QM_STR("employee_name"),
    QM_STR("sin"),
    QM_BOOL("is_long_haul_trucker"),
    QM_INT("employee_kind"),            // 0 transport employee, 1 long-haul truck driver, 2 other
    QM_ROWS("trips.#.departure_date", CField::Date, kTrips),
    QM_ROWS("trips.#.departure_time", CField::String, kTrips),
    QM_ROWS("trips.#.return_date", CField::Date, kTrips),
    QM_ROWS("trips.#.return_time", CField::String, kTrips),
    QM_ROWS("trips.#.location", CField::String, kTrips),
    QM_ROWS("trips.#.meals", CField::Int, kTrips),
    QM_AMT_ROWS("trips.#.meals_cost", kTrips),          // detailed method
    QM_AMT_ROWS("trips.#.lodging", kTrips),
    QM_INT("meal_method"),              // 0 simplified, 1 detailed
    QM_CALC("meals_total"),
    QM_CALC("meals_claim"),             // deductible part of the meals
    QM_CALC("lodging_claim"),
    QM_AMT("reimbursements"),
    QM_CALC("total_claim"),
    QM_STR("employer_name"),
    QM_STR("employer_address"),
    QM_STR("employer_phone"),
    QM_STR("certifier_name"),
    QM_STR("certifier_title"),
    QM_DATE("certification_date"),
};

// ---- T2091(IND) and T1255

constexpr int kResidences = 5;
// T1255, the legal representative's designation; the other type is T2091(IND).
constexpr int kFormT1255 = 160;

const FieldSpec kT2091Fields[] = {
    QM_STR("owner_name"),
    QM_STR("owner_sin"),
    QM_STR("deceased_name"),            // T1255: the deceased individual
    QM_STR("deceased_sin"),
    QM_DATE("date_of_death"),
    QM_STR("representative_name"),      // T1255: the legal representative
    QM_STR("representative_address"),
    QM_ROWS("properties.#.address", CField::String, kResidences),
    QM_ROWS("properties.#.description", CField::String, kResidences),
    QM_ROWS("properties.#.acquired_year", CField::Int, kResidences),
    QM_ROWS("properties.#.disposed_date", CField::Date, kResidences),
    QM_ROWS("properties.#.is_farm", CField::Bool, kResidences),
    QM_ROWS("properties.#.farm_method", CField::Int, kResidences),            // 0 exempt gain, 1 principal residence option
    QM_ROWS("properties.#.land_over_half_hectare", CField::Bool, kResidences),
    QM_AMT_ROWS("properties.#.proceeds", kResidences),
    QM_AMT_ROWS("properties.#.adjusted_cost_base", kResidences),
    QM_AMT_ROWS("properties.#.outlays", kResidences),
    QM_ROWS("properties.#.designated_from", CField::Int, kResidences),        // first year designated
    QM_ROWS("properties.#.designated_to", CField::Int, kResidences),          // last year designated
    QM_ROWS("properties.#.years_designated", CField::Int, kResidences),
    QM_ROWS("properties.#.years_owned", CField::Int, kResidences),            // years owned after 1971
    QM_AMT_ROWS("properties.#.reduction_1994", kResidences),       // reduction for the 1994 capital gains election
    QM_CALC_ROWS("properties.#.gain_before_exemption", kResidences),
    QM_CALC_ROWS("properties.#.exemption", kResidences),
    QM_CALC_ROWS("properties.#.gain", kResidences),
    QM_CALC("total_gain"),
};

// ---- T777S

const FieldSpec kT777SFields[] = {
    QM_INT("method"),                   // 0 temporary flat rate, 1 detailed
    QM_INT("days_worked_from_home"),
    QM_CALC("flat_rate_claim"),
    QM_BOOL("is_commission_employee"),
    QM_BOOL("has_t2200s"),              // the employer signed Form T2200S or T2200
    QM_AMT("home_electricity"),
    QM_AMT("home_heat"),
    QM_AMT("home_water"),
    QM_AMT("home_condo_utilities"),     // utilities portion of condominium fees
    QM_AMT("home_maintenance"),         // maintenance and minor repairs
    QM_AMT("home_rent"),
    QM_AMT("home_internet"),            // home internet access fees
    QM_AMT("home_insurance"),           // commission employees only
    QM_AMT("home_property_taxes"),      // commission employees only
    QM_AMT("home_other"),
    QM_CALC("home_total"),
    QM_AMT("workspace_area"),
    QM_AMT("home_area"),                // total finished area of the home
    QM_AMT("hours_per_week"),           // hours of use, for a shared work space
    QM_INT("weeks_used"),
    QM_CALC("workspace_percent"),
    QM_CALC("home_business_part"),
    QM_AMT("workspace_carryforward_prior"),
    QM_CALC("workspace_income_limit"),
    QM_CALC("workspace_carryforward_next"),
    QM_CALC("9945"),                    // work-space-in-the-home expenses
    QM_AMT("8810"),                     // office supplies
    QM_AMT("phone_expenses"),
    QM_AMT("equipment_lease"),          // commission employees: leased computer, phone and similar
    QM_AMT("reimbursements"),
    QM_CALC("9368"),                    // total expenses
};

bool holdsAmount(double value)
{
    return std::fabs(value) >= CFloatField::kTolerance;
}

} // namespace

CTaxData_T776::CTaxData_T776()
    : TableForm(FROM_FORM, FormType::T776, {fieldTable(kStatementIdentity), fieldTable(kT776Fields), fieldTable(kCcaFields)},
                {kRentalIdentityLayout, kT776Layout, kCcaLayout})
{
}

CTaxData_T1163::CTaxData_T1163() : TableForm(FROM_FORM, FormType::T1163, {fieldTable(kT1163Fields), fieldTable(kCcaFields)}, {kT1163Layout, kCcaLayout})
{
}

CTaxData_T2042::CTaxData_T2042()
    : TableForm(FROM_FORM, FormType::T2042,
                {fieldTable(kStatementIdentity), fieldTable(kInternetFields), fieldTable(kT2042Fields),
                 fieldTable(kPartnerFields), fieldTable(kPartnerDeductionFields), fieldTable(kVehicleFields),
                 fieldTable(kHomeFields), fieldTable(kCcaFields)},
                {kStatementIdentityLayout, kInternetLayout, kT2042Layout, kPartnerDeductionLayout, kHomeLayout,
                 kPartnerLayout, kVehicleLayout, kCcaLayout})
{
}

CTaxData_T2121::CTaxData_T2121()
    : TableForm(FROM_FORM, FormType::T2121,
                {fieldTable(kStatementIdentity), fieldTable(kInternetFields), fieldTable(kT2121Fields),
                 fieldTable(kPartnerFields), fieldTable(kPartnerDeductionFields), fieldTable(kVehicleFields),
                 fieldTable(kHomeFields), fieldTable(kCcaFields)},
                {kStatementIdentityLayout, kInternetLayout, kT2121Layout, kPartnerDeductionLayout, kHomeLayout,
                 kPartnerLayout, kVehicleLayout, kCcaLayout})
{
}

TaxData_T2125_New::TaxData_T2125_New(int type)
    : TableForm(FROM_FORM, type,
                {fieldTable(kStatementIdentity), fieldTable(kInternetFields), fieldTable(kT2125Fields),
                 fieldTable(kPartnerFields), fieldTable(kPartnerDeductionFields), fieldTable(kVehicleFields),
                 fieldTable(kHomeFields), fieldTable(kCcaFields)},
                {kStatementIdentityLayout, kInternetLayout, kT2125Layout, kPartnerDeductionLayout, kHomeLayout,
                 kPartnerLayout, kVehicleLayout, kCcaLayout})
{
}

CTaxData_T5013::CTaxData_T5013() : TableForm(FROM_FORM, FormType::T5013, {fieldTable(kT5013Fields)}, {kT5013Layout}) {}

bool CTaxData_T5013::sectionHasAmount(int section) const
{
    for (const char* column : kT5013AmountColumns)
        if (holdsAmount(getFloat(rowField(column, section)))) return true;
    return false;
}

bool CTaxData_T5013::sectionInUse(int section) const
{
    for (const FieldSpec& spec : kT5013Fields)
        if (const CField* f = field(rowField(spec.name, section)))
            if (!f->IsDefault()) return true;
    return false;
}

int CTaxData_T5013::countSectionsOfKind(int kind) const
{
    int count = 0;
    for (int section = 1; section <= kSections; ++section)
        if (getInt(rowField("partnerships.#.kind", section)) == kind && sectionHasAmount(section)) ++count;
    return count;
}

double CTaxData_T5013::GetTotalNonLossNetIncome() const
{
    double sum = 0.0;
    for (int section = 1; section <= kSections; ++section) {
        if (getInt(rowField("partnerships.#.kind", section)) == KIND_RENTAL) continue;
        sum += qMax(0.0, getFloat(rowField("partnerships.#.9946", section)));
    }
    return sum;
}

int CTaxData_T5013::GetCountOfSFDForms() const
{
    int count = 0;
    for (int section = 1; section <= kSections; ++section)
        if (sectionInUse(section)) ++count;
    return count;
}

TaxData_T777New::TaxData_T777New()
    : TableForm(FROM_FORM, FormType::T777, {fieldTable(kT777Fields), fieldTable(kVehicleFields), fieldTable(kCcaFields)},
                {kT777Layout, kVehicleLayout, kCcaLayout})
{
}

TaxData_TL2_New::TaxData_TL2_New() : TableForm(FROM_FORM, FormType::TL2, {fieldTable(kTL2Fields)}, {kTL2Layout}) {}

TaxData_T2091::TaxData_T2091(int type)
    : TableForm(FROM_FORM, type, {fieldTable(kT2091Fields)},
                {type == kFormT1255 ? kT1255IdentityLayout : kT2091IdentityLayout, kT2091PropertiesLayout})
{
}

TaxData_T777Covid19::TaxData_T777Covid19() : TableForm(FROM_FORM, FormType::T777S, {fieldTable(kT777SFields)}, {kT777SLayout}) {}

// ---------------------------------------------------------------- calculations

namespace {

double sumOf(const CTaxData_Form& f, std::initializer_list<const char*> names)
{
    double sum = 0.0;
    for (const char* name : names) sum += f.getFloat(name);
    return sum;
}

double sumRows(const CTaxData_Form& f, const char* pattern, int rows)
{
    double sum = 0.0;
    for (int row = 1; row <= rows; ++row) sum += f.getFloat(TableForm::rowField(pattern, row));
    return sum;
}

// The owner's part of an amount, by the statement's percentage.
double shareOf(const CTaxData_Form& f, double amount)
{
    return amount * f.getFloat("partnership_percent") / 100.0;
}

struct CcaResult
{
    double cca = 0.0;
    double recapture = 0.0;
    double terminalLoss = 0.0;
};

bool ccaRowInUse(const CTaxData_Form& f, int row)
{
    for (const char* column : {"cca.#.ucc_start", "cca.#.additions", "cca.#.dispositions"})
        if (holdsAmount(f.getFloat(TableForm::rowField(column, row)))) return true;
    return false;
}

// Area A of the capital cost allowance chart (2021): for each class, the
// undepreciated capital cost after additions and dispositions, the
// accelerated investment incentive (half of the net eligible additions
// added to the base), the half-year rule on the other net additions, and
// the allowance at the class rate, or the smaller claim. A negative balance
// is recaptured. With `limit` >= 0 the allowance of all classes is kept
// within it, the last classes giving way first. The areas of additions and
// dispositions are totalled for the business part.
CcaResult calculateCca(CTaxData_Form& f, double limit)
{
    auto col = [&](const char* pattern, int row) { return TableForm::rowField(pattern, row); };
    CcaResult result;
    double maxByRow[kCcaClasses + 1] = {};
    for (int row = 1; row <= kCcaClasses; ++row) {
        for (const char* column : {"cca.#.ucc_after", "cca.#.aiip_proceeds", "cca.#.aiip_adjustment",
                                   "cca.#.half_year_adjustment", "cca.#.base", "cca.#.cca", "cca.#.recapture",
                                   "cca.#.terminal_loss", "cca.#.ucc_end"})
            f.setFloat(col(column, row), 0.0);
        if (!ccaRowInUse(f, row)) continue;
        const double additions = f.getFloat(col("cca.#.additions", row));
        const double aiip = qBound(0.0, f.getFloat(col("cca.#.additions_aiip", row)), qMax(0.0, additions));
        const double proceeds = f.getFloat(col("cca.#.dispositions", row));
        const double after = f.getFloat(col("cca.#.ucc_start", row)) + additions - proceeds;
        f.setFloat(col("cca.#.ucc_after", row), after);
        if (after < 0.0) {
            f.setFloat(col("cca.#.recapture", row), -after);
            result.recapture += -after;
            continue;
        }
        const double aiipProceeds = qMax(0.0, proceeds - (additions - aiip));
        const double aiipAdjustment = qMax(0.0, aiip - aiipProceeds) * 0.5;
        const double halfYear = qMax(0.0, (additions - aiip - proceeds) * 0.5);
        const double base = qMax(0.0, after + aiipAdjustment - halfYear);
        f.setFloat(col("cca.#.aiip_proceeds", row), aiipProceeds);
        f.setFloat(col("cca.#.aiip_adjustment", row), aiipAdjustment);
        f.setFloat(col("cca.#.half_year_adjustment", row), halfYear);
        f.setFloat(col("cca.#.base", row), base);
        double cca = base * f.getFloat(col("cca.#.rate", row)) / 100.0;
        if (f.getBool(col("cca.#.claim_reduced", row)))
            cca = qBound(0.0, f.getFloat(col("cca.#.claim_amount", row)), cca);
        // The allowance can never exceed what the class holds.
        maxByRow[row] = qMin(cca, after);
        result.cca += maxByRow[row];
    }
    if (limit >= 0.0 && result.cca > limit) {
        double excess = result.cca - limit;
        for (int row = kCcaClasses; row >= 1 && excess > 0.0; --row) {
            const double cut = qMin(excess, maxByRow[row]);
            maxByRow[row] -= cut;
            excess -= cut;
        }
        result.cca = limit;
    }
    for (int row = 1; row <= kCcaClasses; ++row) {
        if (!ccaRowInUse(f, row) || f.getFloat(col("cca.#.ucc_after", row)) < 0.0) continue;
        f.setFloat(col("cca.#.cca", row), maxByRow[row]);
        f.setFloat(col("cca.#.ucc_end", row), f.getFloat(col("cca.#.ucc_after", row)) - maxByRow[row]);
    }
    struct Area { const char* prefix; const char* amount; const char* total; };
    for (const Area& area : {Area{"equipment_additions", "cost", "9925"}, Area{"building_additions", "cost", "9927"},
                             Area{"equipment_dispositions", "proceeds", "9926"},
                             Area{"building_dispositions", "proceeds", "9928"}}) {
        double total = 0.0;
        for (int row = 1; row <= kAssetRows; ++row) {
            const CString base = CString(area.prefix) + ".#.";
            const double part = f.getFloat(col((base + area.amount).c_str(), row))
                                - f.getFloat(col((base + "personal_part").c_str(), row));
            f.setFloat(col((base + "business_part").c_str(), row), part);
            total += part;
        }
        f.setFloat(area.total, total);
    }
    f.setFloat("9936", result.cca);
    return result;
}

// The 2021 limits on a passenger vehicle's interest and leasing costs
// (before tax, less reimbursements).
using Federal2021::kVehicleInterestPerDay;
using Federal2021::kVehicleLeasePerMonth;

// The motor vehicle expenses chart; answers the allowable expenses.
double calculateVehicle(CTaxData_Form& f)
{
    double interest = f.getFloat("vehicle_interest_paid");
    if (const int days = f.getInt("vehicle_interest_days"); days > 0)
        interest = qMin(interest, kVehicleInterestPerDay * days);
    double leasing = f.getFloat("vehicle_lease_paid");
    if (const int days = f.getInt("vehicle_lease_days"); days > 0)
        leasing = qMin(leasing, qMax(0.0, kVehicleLeasePerMonth * days / 30.0 - f.getFloat("vehicle_lease_reimbursements")));
    f.setFloat("vehicle_interest", interest);
    f.setFloat("vehicle_leasing", leasing);
    const double total = sumOf(f, {"vehicle_fuel", "vehicle_insurance", "vehicle_licence", "vehicle_repairs",
                                   "vehicle_electricity", "vehicle_other"})
                         + interest + leasing;
    f.setFloat("vehicle_total", total);
    const double km = f.getFloat("vehicle_km_total");
    const double business = km > 0.0 ? total * qBound(0.0, f.getFloat("vehicle_km_business") / km, 1.0) : 0.0;
    f.setFloat("vehicle_business_part", business);
    const double allowable = business + f.getFloat("vehicle_parking") + f.getFloat("vehicle_supplementary_insurance");
    f.setFloat("vehicle_allowable", allowable);
    return allowable;
}

// Business-use-of-home expenses: never more than the net income after
// adjustments; the rest is carried to next year. Answers line 9945.
double calculateHome(CTaxData_Form& f, double netIncomeAfterAdjustments)
{
    const double total = sumOf(f, {"home_heat", "home_electricity", "home_insurance", "home_maintenance",
                                   "home_mortgage_interest", "home_property_taxes", "home_other"});
    f.setFloat("home_total", total);
    const double business = qMax(0.0, total - f.getFloat("home_personal_part"));
    f.setFloat("home_business_part", business);
    const double subtotal = business + f.getFloat("home_cca") + f.getFloat("home_carryforward_prior");
    f.setFloat("home_subtotal", subtotal);
    const double limit = qMax(0.0, netIncomeAfterAdjustments);
    f.setFloat("home_income_limit", limit);
    const double claim = qMin(subtotal, limit);
    f.setFloat("9945", claim);
    f.setFloat("home_carryforward_next", subtotal - claim);
    return claim;
}

// Part 5 of a business, fishing or farming statement from the net income
// before adjustments: the owner's share (or the T5013 slip's amount), the
// partner's own deductions and the business-use-of-home expenses.
double yourNetIncome(CTaxData_Form& f, double beforeAdjustments, double additions)
{
    const double share = shareOf(f, beforeAdjustments);
    f.setFloat("line_5A", share);
    const double fromSlip = f.getFloat("t5013_share");
    f.setFloat("9943", sumRows(f, "partnership_deductions.#.amount", kPartnerDeductions));
    const double afterAdjustments = (holdsAmount(fromSlip) ? fromSlip : share) + additions - f.getFloat("9943");
    f.setFloat("net_income_after_adjustments", afterAdjustments);
    const double net = afterAdjustments - calculateHome(f, afterAdjustments);
    f.setFloat("9946", net);
    return net;
}

} // namespace

int CTaxData_T776::Calculate01()
{
    setFloat("8141", sumRows(*this, "properties.#.gross_rents", kRentalProperties));
    const double gross = getFloat("8141") + getFloat("8230");
    setFloat("8299", gross);
    const double expenses = sumOf(*this, {"8521", "8690", "8710", "8810", "8860", "8871", "8960", "9060", "9180",
                                          "9200", "9220", "9281", "9270"});
    setFloat("total_expenses", expenses);
    setFloat("9369", gross - (expenses - getFloat("9949")));
    setFloat("co_owner_share", shareOf(*this, getFloat("9369")));
    // The allowance is claimed after recapture and terminal loss are in, and
    // only up to what leaves the rental income at nil.
    CcaResult cca = calculateCca(*this, -1.0);
    setFloat("9947", cca.recapture);
    setFloat("9948", cca.terminalLoss);
    const double beforeCca =
        getFloat("co_owner_share") - getFloat("co_owner_other_expenses") + cca.recapture - cca.terminalLoss;
    cca = calculateCca(*this, qMax(0.0, beforeCca));
    setFloat("9946", beforeCca - cca.cca);
    const double partner = getFloat("partner_share");
    const double net = (holdsAmount(partner) ? partner : getFloat("9946")) - getFloat("partner_other_expenses");
    setFloat("net_income", net);
    setFloat("12599", gross);
    setFloat("12600", net);
    return 0;
}

int CTaxData_T1163::Calculate01()
{
    setFloat("9950", sumRows(*this, "commodity_income.#.amount", kCommodityRows));
    setFloat("other_income_total", sumOf(*this, {"9540", "9544", "9574", "9575", "9600", "9601", "9604", "9605",
                                                  "9607", "9610", "9611", "9613", "9614"}));
    const double gross = getFloat("9950") + getFloat("other_income_total");
    setFloat("9959", gross);
    setFloat("9960", sumRows(*this, "commodity_purchases.#.amount", kCommodityRows));
    setFloat("allowable_expenses_total", sumOf(*this, {"9661", "9662", "9663", "9665", "9713", "9714", "9764",
                                                        "9799", "9802", "9814", "9822", "9836"}));
    const double cca = calculateCca(*this, -1.0).cca;
    setFloat("non_allowable_expenses_total",
             sumOf(*this, {"9760", "9765", "9792", "9795", "9796", "9798", "9804", "9805", "9807", "9808", "9809",
                           "9810", "9811", "9816", "9819", "9820", "9821", "9823", "9824", "9825", "9826", "9827",
                           "9829", "9937", "9938", "other_non_allowable_expenses"})
                 + cca);
    setFloat("9968", getFloat("9960") + getFloat("allowable_expenses_total") + getFloat("non_allowable_expenses_total"));
    setFloat("9969", gross - getFloat("9968"));
    setFloat("9944", getFloat("9969") - getFloat("9940") + getFloat("9941") + getFloat("9942"));
    double share = getFloat("9944");
    if (getBool("is_partnership")) {
        const double fromSlip = getFloat("partnership_share");
        share = holdsAmount(fromSlip) ? fromSlip : share * getFloat("partnership_percent") / 100.0;
    }
    const double net = share - getFloat("9945");
    setFloat("9946", net);
    setFloat("14099", gross);
    setFloat("14100", net);
    return 0;
}

int CTaxData_T2042::Calculate01()
{
    const double gross = sumOf(*this, {"9371", "9372", "9373", "9374", "9375", "9376", "9377", "9378", "9421", "9422",
                                       "9423", "9424", "9425", "9426", "9471", "9472", "9473", "9474", "9475", "9476",
                                       "9477", "9520", "9540", "9541", "9542", "9544", "9570", "9600", "9601", "9604",
                                       "9605"});
    setFloat("9659", gross);
    setFloat("9819", calculateVehicle(*this));
    const double cca = calculateCca(*this, -1.0).cca;
    const double expenses = sumOf(*this, {"9661", "9662", "9663", "9664", "9711", "9712", "9713", "9760", "9764",
                                          "9795", "9796", "9797", "9798", "9799", "9802", "9803", "9804", "9805",
                                          "9808", "9809", "9810", "9811", "9814", "9820", "9937", "9938", "9790"})
                            + getFloat("9819") + cca;
    setFloat("9898", expenses);
    setFloat("9899", gross - expenses);
    setFloat("9944", getFloat("9899") + getFloat("9941") + getFloat("9942"));
    const double net = yourNetIncome(*this, getFloat("9944"), 0.0);
    setFloat("14099", gross);
    setFloat("14100", net);
    return 0;
}

int CTaxData_T2121::Calculate01()
{
    const double gross = sumOf(*this, {"8121", "8122", "8123", "8124", "8125", "8126", "8127"});
    setFloat("8299", gross);
    setFloat("8963", sumOf(*this, {"repairs_boat", "repairs_engine", "repairs_electrical"})
                         - getFloat("repairs_insurance_recovery"));
    setFloat("9281", calculateVehicle(*this));
    const double cca = calculateCca(*this, -1.0).cca;
    const double expenses = sumOf(*this, {"9138", "9062", "9224", "9136", "8690", "8710", "8523", "8760", "8810",
                                          "9137", "8860", "9060", "9270", "8963", "9281"})
                            + cca;
    setFloat("9368", expenses);
    setFloat("9369", gross - expenses);
    const double net = yourNetIncome(*this, getFloat("9369"), 0.0);
    setFloat("14299", gross);
    setFloat("14300", net);
    return 0;
}

int TaxData_T2125_New::Calculate01()
{
    setFloat("line_3C", getFloat("line_3A") + getFloat("line_3B"));
    setFloat("8000", getFloat("line_3C") - getFloat("sales_tax_included") - getFloat("returns_allowances"));
    const double gross = getFloat("8000") + getFloat("8290") + getFloat("8230");
    setFloat("8299", gross);
    setFloat("8518", sumOf(*this, {"8300", "8320", "8340", "8360", "8450"}) - getFloat("8500"));
    setFloat("8519", gross - getFloat("8518"));
    setFloat("9281", calculateVehicle(*this));
    const double cca = calculateCca(*this, -1.0).cca;
    const double expenses = sumOf(*this, {"8521", "8523", "8590", "8690", "8710", "8760", "8810", "8811", "8860",
                                          "8871", "8910", "8960", "9060", "9180", "9200", "9220", "9224", "9275",
                                          "9270", "9281"})
                            + cca;
    setFloat("9368", expenses);
    setFloat("9369", getFloat("8519") - expenses);
    const double net = yourNetIncome(*this, getFloat("9369"), getFloat("9974"));

    const char* kinds[][2] = {{"13499", "13500"}, {"13699", "13700"}, {"13899", "13900"}};
    const int kind = getType() == FormType::T2125Commission ? 2 : (getBool("is_professional") ? 1 : 0);
    for (int k = 0; k < 3; ++k) {
        setFloat(kinds[k][0], k == kind ? gross : 0.0);
        setFloat(kinds[k][1], k == kind ? net : 0.0);
    }
    return 0;
}

const char* CTaxData_T5013::incomeColumn(int kind)
{
    switch (kind) {
    case KIND_RENTAL: return "partnerships.#.110";
    case KIND_BUSINESS: return "partnerships.#.116";
    case KIND_PROFESSIONAL: return "partnerships.#.120";
    case KIND_COMMISSION: return "partnerships.#.122";
    case KIND_FISHING: return "partnerships.#.126";
    case KIND_FARMING: return "partnerships.#.124";
    default: return nullptr;
    }
}

const char* CTaxData_T5013::grossColumn(int kind)
{
    switch (kind) {
    case KIND_RENTAL: return "partnerships.#.117";
    case KIND_BUSINESS: return "partnerships.#.118";
    case KIND_PROFESSIONAL: return "partnerships.#.121";
    case KIND_COMMISSION: return "partnerships.#.123";
    case KIND_FISHING: return "partnerships.#.127";
    case KIND_FARMING: return "partnerships.#.125";
    default: return nullptr;
    }
}

int CTaxData_T5013::Calculate01()
{
    for (int section = 1; section <= kSections; ++section) {
        const char* income = incomeColumn(getInt(rowField("partnerships.#.kind", section)));
        double net = income ? getFloat(rowField(income, section)) : 0.0;
        for (const char* less : {"partnerships.#.040", "partnerships.#.9943", "partnerships.#.9945"})
            net -= getFloat(rowField(less, section));
        setFloat(rowField("partnerships.#.9946", section), net);
    }
    return 0;
}

int TaxData_T2091::Calculate01()
{
    double total = 0.0;
    for (int row = 1; row <= kResidences; ++row) {
        auto col = [row](const char* pattern) { return rowField(pattern, row); };
        const double before = getFloat(col("properties.#.proceeds")) - getFloat(col("properties.#.adjusted_cost_base"))
                              - getFloat(col("properties.#.outlays"));
        const int owned = getInt(col("properties.#.years_owned"));
        double exemption = 0.0;
        if (before > 0.0 && owned > 0)
            exemption = before * qMin(1.0, (1.0 + getInt(col("properties.#.years_designated"))) / owned);
        const double gain = qMax(0.0, before - exemption - getFloat(col("properties.#.reduction_1994")));
        setFloat(col("properties.#.gain_before_exemption"), before);
        setFloat(col("properties.#.exemption"), exemption);
        setFloat(col("properties.#.gain"), gain);
        total += gain;
    }
    setFloat("total_gain", total);
    return 0;
}
