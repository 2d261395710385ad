// The site's Content-Security-Policy: only its own files, no inline script, WebAssembly compiled
// from its own module ('wasm-unsafe-eval'). The only inline style allowed is the page's own style
// sheet, named by its SHA-256 in the page's <meta> element (it is part of the page so that the
// first paint waits for no request). A server sends the policy as a header too, with what only a
// header can say (no framing); the header cannot know the digest of every build, so it allows
// inline style and the page's <meta> policy, enforced beside it, narrows that to the one sheet.
const policy = (styleSources) => [
  "default-src 'self'",
  "script-src 'self' 'wasm-unsafe-eval'",
  `style-src 'self'${styleSources.map((source) => ` ${source}`).join('')}`,
  "img-src 'self'",
  "connect-src 'self'",
  "manifest-src 'self'",
  "worker-src 'self'",
  "object-src 'none'",
  "base-uri 'none'",
  "form-action 'none'",
].join('; ');

// A page's policy, allowing the inline style sheets with these SHA-256 digests (base64).
export const pagePolicy = (styleDigests = []) => policy(styleDigests.map((digest) => `'sha256-${digest}'`));

export const headerPolicy = `${policy(["'unsafe-inline'"])}; frame-ancestors 'none'`;

// The <meta> element for a page's <head>.
export const policyMeta = (styleDigests) => `<meta http-equiv="Content-Security-Policy" content="${pagePolicy(styleDigests)}">`;
