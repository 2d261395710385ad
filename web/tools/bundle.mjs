// Joins the page's JavaScript modules into one module at build time, so that the browser asks for
// one script instead of a dozen and compiles it in one piece. Each imported module becomes a
// function scope evaluated once, in import order, whose exports the importers take by name; the
// entry module stays at the top level (it may await). Only the forms of import and export the
// site uses are understood; anything else stops the build with the module's name, rather than
// producing a page that fails in the browser.
import { readFileSync } from 'node:fs';
import { dirname, relative, resolve } from 'node:path';

const importStatement = /^import\s+(?:([^'";]*?)\s+from\s+)?(['"])([^'"]+)\2;?[ \t]*$/gm;
const exportDeclaration = /^export\s+(default\s+)?(async\s+function\*?|function\*?|class|const|let|var)?\s*([\w$]+|[{[])?/gm;
const exportList = /^export\s*\{([^}]*)\}\s*(from\s*['"][^'"]*['"])?;?[ \t]*$/gm;

function fail(file, message) {
  throw new Error(`bundle: ${file}: ${message}`);
}

// "a, b as c" -> [['a', 'b'], ['b', 'c']] as [exported name, local name] pairs.
const namePairs = (list) => list.split(',').map((part) => part.trim()).filter(Boolean)
  .map((part) => { const [name, local = name] = part.split(/\s+as\s+/); return [name, local]; });

// One module: its imports (specifier, what it binds), its exports and its code without either.
function parse(file, source) {
  const imports = [];
  let code = source.replace(importStatement, (statement, clause, _quote, specifier) => {
    if (!specifier.startsWith('.')) fail(file, `imports "${specifier}", not a file of the site`);
    const bindings = { default: null, namespace: null, named: [] };
    const [, defaultName, rest] = (clause ?? '').match(/^([\w$]+)?\s*,?\s*(.*)$/s);
    bindings.default = defaultName ?? null;
    if (rest.startsWith('* as ')) bindings.namespace = rest.slice(5).trim();
    else if (rest.startsWith('{')) bindings.named = namePairs(rest.slice(1, rest.lastIndexOf('}')));
    else if (rest) fail(file, `cannot read "${statement}"`);
    imports.push({ path: resolve(dirname(file), specifier), bindings });
    return '';
  });
  if (/^import(?!\.|\s*\()/m.test(code)) fail(file, 'has an import the bundle cannot read');
  if (/\bimport\s*\(\s*['"`]\./.test(code)) fail(file, 'imports a file at run time');

  const exports = [];
  code = code.replace(exportList, (statement, list, from) => {
    if (from) fail(file, `re-exports ("${statement}")`);
    exports.push(...namePairs(list).map(([local, name]) => [name, local]));
    return '';
  });
  code = code.replace(exportDeclaration, (statement, isDefault, kind, name) => {
    if (isDefault) {
      if ((kind?.includes('function') || kind === 'class') && name && name !== '{') {
        exports.push(['default', name]);
        return statement.replace(/^export\s+default\s+/, '');
      }
      exports.push(['default', '__default']);
      return `const __default = ${statement.replace(/^export\s+default\s+/, '')}`;
    }
    if (!kind) fail(file, `cannot read "${statement.trim()}"`);
    if (kind === 'let' || kind === 'var') fail(file, `exports a variable (${name}); export a constant or a function`);
    if (!name || name === '{' || name === '[') fail(file, `exports a destructured declaration`);
    exports.push([name, name]);
    return statement.replace(/^export\s+/, '');
  });
  return { imports, exports, code };
}

// The bundle of the module at `entry` and what it imports: { code, files } (files: every module
// that went into it, the entry first).
export function bundle(entry, read = (file) => readFileSync(file, 'utf8')) {
  const modules = new Map();  // path -> parsed module, in evaluation order once done
  const visiting = new Set();
  const visit = (file) => {
    if (modules.has(file)) return;
    if (visiting.has(file)) fail(file, 'is part of an import cycle');
    visiting.add(file);
    const parsed = parse(file, read(file));
    parsed.imports.forEach((imported) => visit(imported.path));
    visiting.delete(file);
    modules.set(file, parsed);
  };
  visit(resolve(entry));

  const root = dirname(resolve(entry));
  const names = new Map([...modules.keys()].map((file, i) => [file, `__module${i}`]));
  const bindingsOf = (file, { imports }) => imports.map(({ path, bindings }) => {
    const exported = new Set(modules.get(path).exports.map(([name]) => name));
    const module = names.get(path);
    const lines = [];
    for (const [name] of [...(bindings.default ? [['default']] : []), ...bindings.named])
      if (!exported.has(name)) fail(file, `imports "${name}", which ${relative(root, path)} does not export`);
    if (bindings.default) lines.push(`const ${bindings.default} = ${module}.default;`);
    if (bindings.namespace) lines.push(`const ${bindings.namespace} = ${module};`);
    if (bindings.named.length)
      lines.push(`const { ${bindings.named.map(([name, local]) => (name === local ? name : `${name}: ${local}`)).join(', ')} } = ${module};`);
    return lines.join('\n');
  }).filter(Boolean).join('\n');

  const parts = [];
  const entryPath = resolve(entry);
  for (const [file, parsed] of modules) {
    if (file === entryPath) continue;
    // A module's own address, as it would have seen it as a file of its own.
    const address = `new URL(${JSON.stringify(relative(root, file).split('\\').join('/'))}, import.meta.url).href`;
    const body = parsed.code.replace(/\bimport\.meta\.url\b/g, address);
    const getters = parsed.exports.map(([name, local]) => `get ${JSON.stringify(name)}() { return ${local}; }`);
    parts.push(`// ${relative(root, file).split('\\').join('/')}\nconst ${names.get(file)} = await (async () => {\n${bindingsOf(file, parsed)}\n${body.trim()}\nreturn Object.freeze({ ${getters.join(', ')} });\n})();`);
  }
  const main = modules.get(entryPath);
  parts.push(`// ${relative(root, entryPath)}\n${bindingsOf(entryPath, main)}\n${main.code.trim()}`);
  return { code: `${parts.join('\n\n')}\n`, files: [entryPath, ...[...modules.keys()].filter((file) => file !== entryPath)] };
}
