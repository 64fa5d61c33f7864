#!/usr/bin/env python3
"""Builds an .msi from a WiX 3 source with wixl, adding the three things of the source that wixl
(msitools 0.101) drops or rejects: a Condition inside a Component (the Component table's Condition
column), Permanent="yes" on a Component (attribute bit 16) and AllowSameVersionUpgrades="yes" on
MajorUpgrade (the upgrade row's VersionMaxInclusive bit). They are taken out of the source before
wixl sees it and written into the built tables afterwards with msibuild.

The same inputs make the same file: where wixl would draw a random product code (Id="*") and
package code, both are derived from a digest of what goes into the package (the source, which holds
the version and the architecture, and every file it packs), so that a package that differs in
anything gets new codes, as a freshly drawn one would; the summary's times are SOURCE_DATE_EPOCH's
when it is set.

Usage: wixl_build.py -a x86|x64 -o OUT.msi [-D NAME=VALUE ...] SOURCE.wxs
Files that the source names are found from the current folder; wixl takes no absolute paths.
"""

import argparse
import copy
import hashlib
import os
import subprocess
import sys
import tempfile
import uuid
import xml.etree.ElementTree as ET
from pathlib import Path

import msi_summary

WIX = "http://schemas.microsoft.com/wix/2006/wi"
COMPONENT_PERMANENT = 16
UPGRADE_VERSION_MAX_INCLUSIVE = 512
# The upgrade row that wixl writes for MajorUpgrade; the other one only detects downgrades.
UPGRADE_DETECTED = "WIX_UPGRADE_DETECTED"


def tag(name):
    return f"{{{WIX}}}{name}"


def single_line(text):
    """Condition text as one line: the source wraps long conditions, the tables want them whole."""
    return " ".join(text.split())


def split_source(root):
    """Takes wixl's unsupported parts out of the tree; returns them as (conditions, permanent, same_version)."""
    conditions, permanent = {}, []
    for component in root.iter(tag("Component")):
        name = component.get("Id")
        for condition in component.findall(tag("Condition")):
            conditions[name] = single_line(condition.text or "")
            component.remove(condition)
        if component.attrib.pop("Permanent", "no") == "yes":
            permanent.append(name)
    for condition in root.iter(tag("Condition")):
        condition.text = single_line(condition.text or "")
    same_version = False
    for upgrade in root.iter(tag("MajorUpgrade")):
        same_version = upgrade.attrib.pop("AllowSameVersionUpgrades", "no") == "yes"
    return conditions, permanent, same_version


def package_digest(root):
    """A digest of the source, each file it packs named by the digest of its contents instead of by
    its path, which differs between build folders; and of this script, whose fix-ups are part of
    the package too."""
    source = copy.deepcopy(root)
    for element in source.iter():
        for name in ("Source", "SourceFile"):
            if name in element.attrib:
                element.set(name, hashlib.sha256(Path(element.get(name)).read_bytes()).hexdigest())
    return hashlib.sha256(ET.tostring(source) + Path(__file__).read_bytes()).hexdigest()


def derive_codes(root):
    """Sets the product code where the source leaves it to the build; returns the package code."""
    product = root.find(tag("Product"))
    # Named from the upgrade code, so that the two architectures never share a code.
    namespace = uuid.UUID(product.get("UpgradeCode"))
    digest = package_digest(root)
    if product.get("Id") == "*":
        product.set("Id", str(uuid.uuid5(namespace, f"product {digest}")).upper())
    return uuid.uuid5(namespace, f"package {digest}")


def table_rows(msi, table):
    """The rows of a table as lists of column texts (msiinfo's export: names, types, key, rows)."""
    text = subprocess.run(["msiinfo", "export", str(msi), table], capture_output=True, text=True,
                          check=True).stdout
    return [line.split("\t") for line in text.splitlines()[3:]]


def sql_text(value):
    if "'" in value:
        raise SystemExit(f"wixl_build: a quote in {value!r} cannot go into an msibuild query")
    return f"'{value}'"


def fix_up(msi, conditions, permanent, same_version):
    queries = [f"UPDATE `Component` SET `Condition` = {sql_text(condition)} WHERE `Component` = {sql_text(name)}"
               for name, condition in conditions.items()]
    attributes = {row[0]: int(row[3]) for row in table_rows(msi, "Component")}
    queries += [f"UPDATE `Component` SET `Attributes` = {attributes[name] | COMPONENT_PERMANENT} "
                f"WHERE `Component` = {sql_text(name)}" for name in permanent]
    if same_version:
        # Attributes belongs to the Upgrade table's key, which UPDATE cannot change: the row is
        # written anew.
        for code, low, high, language, bits, remove, action in table_rows(msi, "Upgrade"):
            if action != UPGRADE_DETECTED:
                continue
            columns = {"UpgradeCode": sql_text(code), "VersionMin": low and sql_text(low),
                       "VersionMax": high and sql_text(high), "Language": language and sql_text(language),
                       "Attributes": str(int(bits) | UPGRADE_VERSION_MAX_INCLUSIVE),
                       "Remove": remove and sql_text(remove), "ActionProperty": sql_text(action)}
            given = {name: value for name, value in columns.items() if value}
            queries += [f"DELETE FROM `Upgrade` WHERE `ActionProperty` = {sql_text(action)}",
                        f"INSERT INTO `Upgrade` ({', '.join(f'`{name}`' for name in given)}) "
                        f"VALUES ({', '.join(given.values())})"]
    for query in queries:
        subprocess.run(["msibuild", str(msi), "-q", query], check=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("-a", "--arch", required=True, choices=("x86", "x64"))
    parser.add_argument("-o", "--output", required=True)
    parser.add_argument("-D", "--define", action="append", default=[])
    parser.add_argument("source")
    args = parser.parse_args()

    defines = [option for value in args.define for option in ("-D", value)]
    preprocessed = subprocess.run(["wixl", "-E", *defines, args.source], capture_output=True, text=True,
                                  check=True).stdout
    ET.register_namespace("", WIX)
    root = ET.fromstring(preprocessed)
    # From the whole source, before the parts wixl cannot take are split off.
    package_code = derive_codes(root)
    conditions, permanent, same_version = split_source(root)

    output = Path(args.output)
    output.unlink(missing_ok=True)
    with tempfile.TemporaryDirectory() as work:
        stripped = Path(work) / "source.wxs"
        ET.ElementTree(root).write(stripped, encoding="utf-8", xml_declaration=True)
        subprocess.run(["wixl", "-a", args.arch, "-o", str(output), str(stripped)], check=True)
    fix_up(output, conditions, permanent, same_version)
    epoch = os.environ.get("SOURCE_DATE_EPOCH")
    msi_summary.set_summary(output, package_code, int(epoch) if epoch else None)
    return 0


if __name__ == "__main__":
    sys.exit(main())
