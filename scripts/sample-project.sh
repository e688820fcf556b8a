#!/usr/bin/env bash
# Writes a VB6 project to try the project view on: a project file as VB6 writes it (CR LF, forms,
# modules, references, a later [Section]), class modules in subfolders and in a sibling folder,
# and one class in each state: current, stale (edited by hand), missing, without a template
# (generated ones to import and a hand-written one that cannot be) and a template cut off.
# Usage: scripts/sample-project.sh FOLDER [classshaper-gen]   (prints the .vbp's path)
set -euo pipefail
root="$(realpath -m "$1")"
gen="${2:-$(dirname "$0")/../build/cli/classshaper-gen}"
example="$(dirname "$0")/../examples/Kunde.vlt-ctf"
app="$root/Kundenverwaltung"
mkdir -p "$app/Klassen/Buchung" "$app/Vorlagen" "$root/Gemeinsam"

"$gen" -o "$root/base.cls" "$example"
module() { sed "s/cls_Kunde/$1/g" "$root/base.cls" >"$2"; } # class, file
for class in cKunde cAuftrag cPosten cRechnung cLieferung; do module "$class" "$app/Klassen/$class.cls"; done
for class in cBuchung cKonto; do module "$class" "$app/Klassen/Buchung/$class.cls"; done
module cLog "$root/Gemeinsam/cLog.cls"
rm "$root/base.cls"
for class in cKunde cAuftrag cPosten cRechnung; do
    "$gen" --import "$app/Klassen/$class.cls" -o "$app/Vorlagen/$class.vlt-ctf"
done
"$gen" --import "$app/Klassen/Buchung/cBuchung.cls" --output-dir "$app/Klassen/Buchung"
"$gen" --import "$root/Gemeinsam/cLog.cls" -o "$root/Gemeinsam/cLog.vlt-ctf"
printf "' von Hand geändert\r\n" >>"$app/Klassen/cAuftrag.cls"
rm "$app/Klassen/cPosten.cls"
printf 'VLTFILE 1\r\nS:1.3\r\n' >"$app/Vorlagen/cAlt.vlt-ctf" # cut off: cannot be read
printf 'VERSION 1.0 CLASS\r\nBEGIN\r\n  MultiUse = -1\r\nEND\r\nAttribute VB_Name = "cDialog"\r\nOption Explicit\r\n' >"$app/cDialog.cls"

sed 's/$/\r/' >"$app/Kundenverwaltung.vbp" <<'VBP'
Type=Exe
Reference=*\G{00020430-0000-0000-C000-000000000046}#2.0#0#C:\Windows\System32\stdole2.tlb#OLE Automation
Object={831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.0#0; mscomctl.ocx
Form=frmMain.frm
Module=modStart; modStart.bas
Class=cDialog; cDialog.cls
Class=cKunde; Klassen\cKunde.cls
Class=cAuftrag; Klassen\cAuftrag.cls
Class=cPosten; Klassen\cPosten.cls
Class=cRechnung; Klassen\cRechnung.cls
Class=cLieferung; Klassen\cLieferung.cls
Class=cBuchung; Klassen\Buchung\cBuchung.cls
Class=cKonto; Klassen\Buchung\cKonto.cls
Class=cLog; ..\Gemeinsam\cLog.cls
Form=frmKunde.frm
Startup="Sub Main"
Title="Kundenverwaltung"
Name="Kundenverwaltung"
MajorVer=2
MinorVer=4
CompilationType=0
MaxNumberOfThreads=1

[MS Transaction Server]
AutoRefresh=1
VBP
echo "$app/Kundenverwaltung.vbp"
