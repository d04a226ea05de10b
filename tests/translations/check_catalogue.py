#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails, naming each text, while a text the program shows has no finished translation.

lupdate reads the program's sources into a copy of each catalogue, as `make translations`
would; the copy must then hold, for every text in the code, a finished translation that
keeps the source's blanks (%1 …), its menu key mark (&) and its leading and trailing
blanks, and nothing that is gone from the code. The catalogue in the tree is left as it is.

    check_catalogue.py LUPDATE SOURCES_LIST TS... -- LUPDATE_OPTIONS...
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path


def text_of(element):
    """The element's text with lupdate's <byte value="xd"/> read back as a carriage return."""
    if element is None:
        return ''
    out = element.text or ''
    for child in element:
        if child.tag == 'byte':
            out += chr(int(child.get('value').lstrip('x'), 16))
        out += child.tail or ''
    return out


def blanks(text):
    return sorted(set(re.findall(r'%\d', text)))


def mnemonic(text):
    return '&' in text.replace('&&', '')


def edges(text):
    return (text[:len(text) - len(text.lstrip())], text[len(text.rstrip()):])


def problems(ts_path):
    found = []
    root = ET.parse(ts_path).getroot()
    for context in root.findall('context'):
        name = text_of(context.find('name'))
        for message in context.findall('message'):
            source = text_of(message.find('source'))
            translation_element = message.find('translation')
            kind = translation_element.get('type', '') if translation_element is not None else 'missing'
            translation = text_of(translation_element)
            where = f'{name}: {source!r}'
            if kind in ('vanished', 'obsolete'):
                found.append(f'gone from the code, still in the catalogue: {where}')
            elif kind == 'unfinished' or kind == 'missing' or not translation:
                found.append(f'no translation: {where}')
            elif blanks(source) != blanks(translation):
                found.append(f'blanks {blanks(source)} but {blanks(translation)} in {translation!r}: {where}')
            elif mnemonic(source) != mnemonic(translation):
                found.append(f'menu key mark (&) kept in one only, {translation!r}: {where}')
            elif edges(source) != edges(translation):
                found.append(f'leading or trailing blanks differ in {translation!r}: {where}')
    return found


def main():
    split = sys.argv.index('--')
    lupdate, sources_list, *catalogues = sys.argv[1:split]
    options = sys.argv[split + 1:]
    failures = []
    with tempfile.TemporaryDirectory() as work:
        for catalogue in map(Path, catalogues):
            copy = Path(work) / catalogue.name
            shutil.copyfile(catalogue, copy)
            run = subprocess.run([lupdate, f'@{sources_list}', '-ts', str(copy), *options],
                                 capture_output=True, text=True)
            if run.returncode != 0:
                print(run.stdout, run.stderr)
                return 1
            for problem in problems(copy):
                failures.append(f'{catalogue.name}: {problem}')
            print(f'{catalogue.name}: {len(ET.parse(copy).getroot().findall(".//message"))} texts')
    if failures:
        print('\n'.join(failures))
        print(f'{len(failures)} texts to translate or fix: `make translations`, then translate them in the .ts')
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main())
