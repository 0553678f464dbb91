#!/usr/bin/env python3
"""Asks the game server's own order checker for its verdict on every line of server_verdicts.tsv
and writes the answers into the file's second column.

The file holds blocks separated by blank lines. A block is one unit's orders; all of them go into
one orders file under '#atlantis 3 "pw"', each block under a 'unit' line of its own. A block whose
first line is '#file' is instead a whole orders file of its own. Each line of the file is the order,
a tab and the server's first message for that line ('-' when it accepts the line), with runs of
white space squeezed to one space.

    tests/data/orders/server_verdicts.py [../shared/tools/atlantis-basic]
"""
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
TABLE = os.path.join(HERE, 'server_verdicts.tsv')
TOOL = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, '../../../../shared/tools/atlantis-basic')


def squash(text):
    return ''.join(text.split())


def server_messages(lines):
    """The server's messages for each line; a run it cut short leaves the rest without any."""
    with tempfile.TemporaryDirectory() as folder:
        orders, result = os.path.join(folder, 'orders.txt'), os.path.join(folder, 'result.txt')
        with open(orders, 'w', encoding='latin-1', newline='') as f:
            f.write(''.join(line + '\n' for line in lines))
        subprocess.run([TOOL, 'check', orders, result], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        with open(result, encoding='latin-1', newline='') as f:
            echoed = f.read().split('\n')
    messages = [[] for _ in lines]
    pending, at, got, k = [], 0, '', 0
    while k < len(echoed):
        row = echoed[k]
        if row.startswith('*** Error: '):
            while not row.endswith(' ***') and k + 1 < len(echoed):
                k += 1
                row += ' ' + echoed[k]
            pending.append(' '.join(row[11:-4].split()))
        elif row.strip():
            # The server leaves out blank lines and folds long ones.
            while at < len(lines) and not lines[at].strip():
                at += 1
            if at < len(lines):
                got += squash(row)
                if got == squash(lines[at]):
                    messages[at], pending, got = pending, [], ''
                    at += 1
        k += 1
    while at < len(lines) and not lines[at].strip():
        at += 1
    if pending and at < len(lines):
        messages[at] = pending
    return messages


def main():
    with open(TABLE, encoding='latin-1') as f:
        rows = f.read().split('\n')
    header = [r for r in rows if r.startswith('##')]
    body = [r.split('\t')[0] for r in rows if not r.startswith('##')]
    blocks, block = [], []
    for row in body + ['']:
        if row == '' and block:
            blocks.append(block)
            block = []
        elif row != '':
            block.append(row)
    verdicts = {}
    units = [b for b in blocks if b[0] != '#file']
    lines, where = ['#atlantis 3 "pw"'], []
    for n, b in enumerate(units):
        lines.append('unit %d' % (n + 1))
        where.append(None)
        for row in b:
            lines.append(row)
            where.append((id(b), len(where)))
    unit_messages = server_messages(lines)[1:]
    for b in blocks:
        if b[0] == '#file':
            verdicts[id(b)] = [[]] + server_messages(b[1:])
    answers = iter(m for m, w in zip(unit_messages, where) if w is not None)
    for b in units:
        verdicts[id(b)] = [next(answers) for _ in b]
    out = header[:]
    for b in blocks:
        for row, messages in zip(b, verdicts[id(b)]):
            out.append(row if row == '#file' else row + '\t' + (messages[0] if messages else '-'))
        out.append('')
    with open(TABLE, 'w', encoding='latin-1', newline='') as f:
        f.write('\n'.join(out))


if __name__ == '__main__':
    main()
