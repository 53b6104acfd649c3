#pragma once

// Brings a database file of an older schema version up to the program's own
// (1.206), in place, one step at a time. Each step is one or two units of
// work; a unit runs its statements in one application transaction, stores its
// version text in SETTINGS "version" and commits, so an interrupted upgrade
// leaves the file at the last version that committed and the next run resumes
// from there. Every failure leaves as Invoice::DbException; the caller shows it.
//
// Two things differ from a plain run of the step statements, so that files
// the statements alone would break on still upgrade:
// - A NOT NULL column added to a table that may hold rows is added with a
//   DEFAULT of the value every existing row gets (Firebird refuses the bare
//   NOT NULL on a table with rows); that DEFAULT is dropped again in a
//   transaction of its own right after the unit commits, leaving the
//   declaration as the step states it. A default left behind by an
//   interruption is dropped when the next upgrade starts.
// - A system-named constraint that a step replaces (INTEG_405, INTEG_302, ...)
//   is looked up by its table, kind and column, so a file whose constraint
//   generator numbered it differently upgrades too. When the file has no such
//   constraint there is nothing to drop and the step goes on. The name found
//   is sent as a delimited identifier (dialect 3), so it names that
//   constraint only, whatever its letters; a drop the engine refuses stops
//   the step.
// Before the first step the OBJECT_ID generator is moved past the largest
// stored id, so rows another tool wrote never clash with the ones the steps
// add.

#include <string>

// The text of the failure for a version outside the known ranges.
inline constexpr wchar_t kUnknownDatabaseVersion[] = L"Unknown database version!";

// Reads SETTINGS "version" (a missing row is created with "1"), converts it
// to a number and runs UpgradeChain from it.
void UpgradeDatabase();

// Runs the steps from the given version until the file is at 1.206 and
// returns the version reached. A version below 1.0 or above 1.206 throws
// kUnknownDatabaseVersion before anything runs; 1.206 runs nothing.
double UpgradeChain(double version);

// The steps. Each takes the current version and returns the one it reached.
// The step from 1.0 runs its first unit (to "1.01") only below 1.01 and its
// second (to "1.1") only below 1.1.
double UpgradeFrom1_0(double version);
double Upgrade1_1To1_2(double version);
double Upgrade1_2To1_201(double version);
double Upgrade1_201To1_202(double version);
double Upgrade1_202To1_203(double version);
double Upgrade1_203To1_204(double version);
double Upgrade1_204To1_205(double version);
double Upgrade1_205To1_206(double version);

// Gives every company one default address named like the company and holding
// its display box, each under a new OBJECTS row. Runs inside the caller's
// transaction, before COMPANIES loses DISPLAY_BOX. An address name longer
// than ADDRESSES.NAME holds is cut to fit.
void MigrateCompanyAddresses();
