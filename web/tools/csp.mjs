// The site's Content-Security-Policy: only its own files, no inline script or style, WebAssembly
// compiled from its own module ('wasm-unsafe-eval'). The pages carry it in a <meta> element; a
// server sends it as a header too, with what only a header can say (no framing).
export const pagePolicy = [
  "default-src 'self'",
  "script-src 'self' 'wasm-unsafe-eval'",
  "style-src 'self'",
  "img-src 'self'",
  "connect-src 'self'",
  "manifest-src 'self'",
  "worker-src 'self'",
  "object-src 'none'",
  "base-uri 'none'",
  "form-action 'none'",
].join('; ');

export const headerPolicy = `${pagePolicy}; frame-ancestors 'none'`;

// The <meta> element for a page's <head>.
export const policyMeta = `<meta http-equiv="Content-Security-Policy" content="${pagePolicy}">`;
