"""Rewrites a source file so that every mutant of its sites sits behind the run-time switch.

Every rewrite only inserts text before and after a site and replaces the operator token of binary
operators, and none repeats a piece of the original, so sites nest freely: at each position the closing
texts of the sites that end there come first (innermost first), then the opening texts of the sites that
start there (outermost first), then the operator replacement.
"""
from sites import RELATIONAL

SWITCH = 'vizud_mutation::'


def _pieces(site, first_id):
    """(opening text, operator replacement or None, closing text) of one site."""
    n = first_id
    if site.kind == 'relational':
        return f'{SWITCH}{RELATIONAL[site.op]}({n}, (', '), (', '))'
    if site.kind == 'logical':
        if site.op == '&&':
            return '((bool((', f')) != {SWITCH}on({n})) ? bool((', f')) : {SWITCH}on({n}))'
        return '((bool((', f')) == {SWITCH}on({n})) ? bool((', f')) : !{SWITCH}on({n}))'
    if site.kind == 'constant':
        return f'{SWITCH}num({n}, ', None, ')'
    if site.kind == 'drop':
        return f'({SWITCH}on({n}) ? void() : void((', None, ')))'
    if site.kind == 'condition' or (site.kind == 'return' and site.op == 'bool'):
        return f'{SWITCH}neg({n}, (', None, '))'
    return f'{SWITCH}swapped({n}, (', None, '))'


def rewrite(data, placed, header_path):
    """`placed` is a list of (site, first mutant id). Returns the rewritten bytes."""
    opening, closing, replacing = {}, {}, {}
    for site, first in placed:
        open_text, op_text, close_text = _pieces(site, first)
        opening.setdefault(site.start, []).append((site.depth, open_text))
        closing.setdefault(site.end, []).append((site.depth, close_text))
        if op_text is not None:
            replacing[site.op_start] = (site.op_end, op_text)
    out = []
    pos = 0
    size = len(data)
    while pos <= size:
        for _, t in sorted(closing.get(pos, []), key=lambda x: -x[0]):
            out.append(t.encode())
        for _, t in sorted(opening.get(pos, []), key=lambda x: x[0]):
            out.append(t.encode())
        if pos in replacing:
            end, t = replacing[pos]
            out.append(t.encode())
            pos = end
            continue
        if pos < size:
            out.append(data[pos:pos + 1])
        pos += 1
    body = b''.join(out)
    include = f'#include "{header_path}"\n'.encode()
    lines = body.split(b'\n')
    for i, line in enumerate(lines[:40]):
        if line.strip() == b'#pragma once':
            lines.insert(i + 1, include.rstrip(b'\n'))
            return b'\n'.join(lines)
    return include + body
