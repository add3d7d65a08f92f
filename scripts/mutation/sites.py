"""Finds the mutation sites of one source file with libclang.

A site is a place in the text where one operator applies: a relational or equality operator, a logical
operator, an integer literal, an expression statement that can be dropped, an if/while condition, or the
value of a return statement of a bool or integer function. Each site knows the character range of every
piece the rewriter needs, so the rewriter never has to parse C++ itself.
"""
import functools
import os
from dataclasses import dataclass, field

import clang.cindex as ci

ci.Config.set_library_file('/usr/lib/llvm-14/lib/libclang-14.so.1')
K = ci.CursorKind

RELATIONAL = {'<': 'lt', '<=': 'le', '>': 'gt', '>=': 'ge', '==': 'eq', '!=': 'ne'}
MUTATED_TO = {'<': '<=', '<=': '<', '>': '>=', '>=': '>', '==': '!=', '!=': '==', '&&': '||', '||': '&&'}
ASSIGNING = {'=', '+=', '-=', '*=', '/=', '%=', '&=', '|=', '^=', '<<=', '>>='}
INTEGRAL = {ci.TypeKind.BOOL, ci.TypeKind.INT, ci.TypeKind.UINT, ci.TypeKind.LONG, ci.TypeKind.ULONG,
            ci.TypeKind.LONGLONG, ci.TypeKind.ULONGLONG, ci.TypeKind.SHORT, ci.TypeKind.USHORT,
            ci.TypeKind.CHAR_S, ci.TypeKind.UCHAR, ci.TypeKind.SCHAR, ci.TypeKind.CHAR_U, ci.TypeKind.ENUM}


@dataclass
class Site:
    file: str          # path relative to the source root
    kind: str          # relational, logical, constant, drop, condition, return
    start: int         # byte range of the whole mutated expression or statement
    end: int
    depth: float       # nesting depth in the syntax tree: outer sites wrap inner ones
    line: int
    op: str = ''       # the operator, the literal or the kind of return value
    op_start: int = 0  # byte range of the operator token (binary operators)
    op_end: int = 0
    end_line: int = 0
    text: str = field(default='', repr=False)

    def key(self):
        return (self.file, self.start, self.end, self.kind, self.op)

    def mutants(self):
        """What each of this site's mutants does, in words; one mutant per entry."""
        if self.kind in ('relational', 'logical'):
            return [f'{self.op} -> {MUTATED_TO[self.op]}']
        if self.kind == 'constant':
            return [f'{self.op} -> {self.op} + 1', f'{self.op} -> {self.op} - 1']
        if self.kind == 'drop':
            return ['statement dropped']
        if self.kind == 'condition':
            return ['condition negated']
        return ['return value negated' if self.op == 'bool' else 'return value swapped (0 <-> nonzero)']


def _tokens(cursor):
    return list(cursor.get_tokens())


@functools.lru_cache(maxsize=None)
def _real(name):
    return os.path.realpath(name)


def _in_file(cursor, path):
    loc = cursor.extent.start
    return loc.file is not None and _real(loc.file.name) == path


class _Finder:
    def __init__(self, path, rel, data):
        self.path, self.rel, self.data = path, rel, data
        self.sites = []

    def text(self, a, b):
        return self.data[a:b].decode('utf-8', 'replace')

    def add(self, kind, start, end, depth, line, **kw):
        end_line = self.data.count(b'\n', 0, end) + 1
        self.sites.append(Site(self.rel, kind, start, end, depth, line, end_line=end_line, **kw))

    def walk(self, cursor, depth, in_constant, owner=None):
        # The owner is the nearest enclosing cursor that is not an implicit conversion.
        owner = owner if owner is not None and cursor.kind == K.UNEXPOSED_EXPR else cursor
        for child in cursor.get_children():
            if not _in_file(child, self.path):
                continue
            constant = in_constant or self.constant_context(child) or self.bound(child, owner)
            self.visit(child, depth + 1, constant)
            self.walk(child, depth + 1, constant, owner)

    def bound(self, c, owner):
        """An array bound or a template argument (`char name[16]`, `std::array<int, 256>`, `std::get<1>(t)`),
        or the whole initializer of a const integer (`const std::uint8_t zero = 0;`): all evaluated while
        compiling."""
        if c.kind != K.INTEGER_LITERAL:
            return False
        if owner.kind == K.DECL_REF_EXPR:
            return True
        if not owner.kind.is_declaration():
            return False
        if owner.kind == K.VAR_DECL and owner.type.is_const_qualified() and \
                owner.type.get_canonical().kind in INTEGRAL and self.data[c.extent.end.offset:].lstrip()[:1] == b';':
            return True
        start, end = c.extent.start.offset, c.extent.end.offset
        before = self.data[:start].rstrip()[-1:]
        after = self.data[end:].lstrip()[:1]
        return before in (b'[', b'<', b',') and after in (b']', b'>', b',')

    def constant_context(self, c):
        """Places evaluated while compiling, where a switch read at run time can never apply."""
        if c.kind in (K.STATIC_ASSERT, K.ENUM_DECL, K.CASE_STMT, K.TEMPLATE_NON_TYPE_PARAMETER, K.FIELD_DECL):
            return c.kind != K.FIELD_DECL or c.is_bitfield()
        if c.kind in (K.VAR_DECL, K.FUNCTION_DECL):
            # A constexpr variable, or a constexpr function: here they build tables while compiling.
            if any(t.spelling in ('constexpr', 'consteval') for t in _tokens(c)[:6]):
                return True
        # A const table of static storage (`const std::array<ColumnSpec, 10> kColumns = {...}`) is
        # initialized while compiling when its values are constants, so its literals never see the switch.
        return c.kind == K.VAR_DECL and self.static_const(c)

    @staticmethod
    def static_const(c):
        """A const variable of namespace scope whose initializer holds no code (no lambda)."""
        if c.semantic_parent is None or c.semantic_parent.kind not in (K.NAMESPACE, K.TRANSLATION_UNIT):
            return False
        t = c.type.get_canonical()
        while t.kind in (ci.TypeKind.CONSTANTARRAY, ci.TypeKind.INCOMPLETEARRAY):
            t = t.element_type
        return t.is_const_qualified() and all(d.kind != K.LAMBDA_EXPR for d in c.walk_preorder())

    def visit(self, c, depth, constant):
        if constant:
            return
        ext = c.extent
        if ext.start.file is None or ext.end.file is None or _real(ext.end.file.name) != self.path:
            return
        if c.kind == K.BINARY_OPERATOR:
            self.binary(c, depth)
        elif c.kind == K.INTEGER_LITERAL:
            tok = _tokens(c)
            if len(tok) == 1 and tok[0].extent.start.offset == ext.start.offset:
                spelling = tok[0].spelling
                if spelling[0].isdigit() and "'" not in spelling:
                    self.add('constant', ext.start.offset, ext.end.offset, depth, ext.start.line, op=spelling)
        elif c.kind == K.COMPOUND_STMT:
            for s in c.get_children():
                if _in_file(s, self.path):
                    self.statement(s, depth + 0.5)
        elif c.kind in (K.IF_STMT, K.WHILE_STMT):
            self.condition(c, depth)
        elif c.kind == K.RETURN_STMT:
            self.return_value(c, depth)

    def binary(self, c, depth):
        kids = list(c.get_children())
        if len(kids) != 2:
            return
        lhs, rhs = kids
        after = [t for t in _tokens(c) if t.extent.start.offset >= lhs.extent.end.offset]
        if not after or after[0].spelling not in MUTATED_TO:
            return
        op = after[0]
        if op.extent.end.offset > rhs.extent.start.offset:
            return
        kind = 'logical' if op.spelling in ('&&', '||') else 'relational'
        self.add(kind, lhs.extent.start.offset, rhs.extent.end.offset, depth, op.extent.start.line,
                 op=op.spelling, op_start=op.extent.start.offset, op_end=op.extent.end.offset)

    def statement(self, s, depth):
        droppable = s.kind == K.CALL_EXPR or s.kind == K.COMPOUND_ASSIGNMENT_OPERATOR
        if s.kind == K.BINARY_OPERATOR:
            kids = list(s.get_children())
            after = [t for t in _tokens(s) if kids and t.extent.start.offset >= kids[0].extent.end.offset]
            droppable = bool(after) and after[0].spelling in ASSIGNING
        if s.kind == K.UNARY_OPERATOR:
            droppable = any(t.spelling in ('++', '--') for t in _tokens(s)[:2] + _tokens(s)[-1:])
        if s.kind == K.CALL_EXPR and s.spelling in ('', 'operator<<', 'operator>>'):
            droppable = s.spelling != ''
        if not droppable:
            return
        ext = s.extent
        tok = _tokens(s)
        if not tok or tok[0].extent.start.offset != ext.start.offset or tok[-1].extent.end.offset != ext.end.offset:
            return
        self.add('drop', ext.start.offset, ext.end.offset, depth, ext.start.line)

    def condition(self, c, depth):
        tok = _tokens(c)
        if len(tok) < 3 or tok[1].spelling != '(':
            return
        level, close, last_semi = 0, None, None
        for i, t in enumerate(tok[1:], 1):
            level += t.spelling == '('
            level -= t.spelling == ')'
            if level == 1 and t.spelling == ';':
                last_semi = i
            if level == 0:
                close = i
                break
        if close is None:
            return
        first = (last_semi or 1) + 1
        if first >= close:
            return
        start, end = tok[first].extent.start.offset, tok[close - 1].extent.end.offset
        for kid in c.get_children():
            if kid.kind in (K.VAR_DECL, K.DECL_STMT) and kid.extent.end.offset > start:
                return
        exprs = [k for k in c.get_children() if k.kind.is_expression()
                 and k.extent.start.offset == start and k.extent.end.offset == end]
        if exprs:
            self.add('condition', start, end, depth + 0.25, tok[first].extent.start.line)

    def return_value(self, c, depth):
        kids = [k for k in c.get_children() if k.kind.is_expression()]
        if len(kids) != 1:
            return
        e = kids[0]
        t = e.type.get_canonical()
        if t.kind not in INTEGRAL:
            return
        tok = _tokens(c)
        if len(tok) < 3 or tok[1].extent.start.offset != e.extent.start.offset:
            return
        if tok[-1].spelling == ';':
            tok = tok[:-1]
        if tok[-1].extent.end.offset != e.extent.end.offset:
            return
        self.add('return', e.extent.start.offset, e.extent.end.offset, depth + 0.25, e.extent.start.line,
                 op='bool' if t.kind == ci.TypeKind.BOOL else 'integer')


def find_sites(index, root, path, args, wanted):
    """Sites in every file of `wanted` (paths relative to root) that the translation unit `path` reaches."""
    tu = index.parse(path, args=args)
    errors = [d for d in tu.diagnostics if d.severity >= ci.Diagnostic.Error]
    finders = {}
    for top in tu.cursor.get_children():
        loc = top.extent.start
        if loc.file is None:
            continue
        real = _real(loc.file.name)
        rel = os.path.relpath(real, root)
        if rel not in wanted:
            continue
        if real not in finders:
            with open(real, 'rb') as fh:
                finders[real] = _Finder(real, rel, fh.read())
        finder = finders[real]
        constant = finder.constant_context(top)
        finder.visit(top, 0, constant)
        finder.walk(top, 0, constant)
    return [s for f in finders.values() for s in f.sites], errors
