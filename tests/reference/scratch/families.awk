# Independent recomputation, per oil family, of pb from GOR, Rs, Bo, and
# (bubble-point mode above pb) Rsb, co, shrunk Bo and oil viscosity.
function log10(x) { return log(x)/log(10) }
function Rs(f, gg, pe, T, api,   TR, go, TK, TF) {
  TR=T+460; go=141.5/(131.5+api)
  if (f==0) return gg*((pe+25.48)/(18.2*10^(0.00091*T-0.0125*api)))^1.205
  if (f==1) return api>30 ? 0.0178*gg*pe^1.187*exp(23.931*api/TR) : 0.0362*gg*pe^1.0937*exp(25.724*api/TR)
  if (f==2) return gg*((api^0.989/T^0.172)*10^(2.8869-(14.1811-3.3093*log10(pe))^0.5))^1.2255
  if (f==3) return (185.843208*gg^1.87784*go^-3.1437*TR^-1.32657*pe)^1.398441
  if (f==4) return ((pe/112.727+12.34)*gg^0.8439*10^(0.0007916*api^1.541-4.561e-5*T^1.3911))^1.73184
  if (f==5) return (0.000119562*pe*gg^1.01049*go^-0.107941*TR^0.952584)^1.3811258
  if (f==6) return 0.01936*pe^1.1574*gg^0.73495*10^(0.000337*T+0.01771*api)
  if (f==7) { TK=5/9*(T+460); TF=1.8*TK-460; return 0.0308*(6.894*pe)^0.927*gg^2.15*api^1.27/(10^0.881*TF^0.497)*5.615 }
  if (f==8) return api>30 ? 0.0315*gg^0.7567*pe^1.0937*10^(11.2895*api/TR) : 0.05958*gg^0.7972*pe^1.0014*10^(13.1405*api/TR)
}
function Pb(f, gg, R, T, api,   TR, go, TK, TF, x) {
  TR=T+460; go=141.5/(131.5+api)
  if (f==0) return (R/gg)^(1/1.205)*18.2*10^(0.00091*T-0.0125*api)-25.48
  if (f==1) return api>30 ? (56.18*R/gg*10^(-10.393*api/TR))^0.84246 : (27.62*R/gg*10^(-11.172*api/TR))^0.914328
  if (f==2) { x=log10((R/gg)^0.816*T^0.172*api^-0.989); return 10^(1.7669+1.7447*x-0.30218*x*x) }
  if (f==3) return 0.00538088*R^0.715082*gg^-1.87784*go^3.1437*TR^1.32657
  if (f==4) return 112.727*(R^0.5774*10^(4.561e-5*T^1.3911-0.0007916*api^1.541)/gg^0.8439-12.34)
  if (f==5) return R^0.72405/(0.000119562*gg^1.01049*go^-0.107941*TR^0.952584)
  if (f==6) return (R/(0.01936*gg^0.73495*10^(0.000337*T+0.01771*api)))^0.864
  if (f==7) { TK=5/9*(T+460); TF=1.8*TK-460; return ((R/5.615)/(0.0308*gg^2.15*api^1.27/(10^0.881*TF^0.497)))^1.0787/6.894 }
  if (f==8) return api>30 ? (R/(0.0315*gg^0.7567*10^(11.2895*api/TR)))^0.91433 : (R/(0.05958*gg^0.7972*10^(13.1405*api/TR)))^0.9986
}
function Bo(f, gg, T, api, R,   go, F, X, A, Tk, Rm) {
  go=141.5/(api+131.5)
  if (f==0) { F=R*(gg/go)^0.5+1.25*T; return 0.9759+0.00012*F^1.2 }
  if (f==1) return api>30 ? 1+0.000467*R+(T-60)*(api/gg)*(1.1e-5+1.337e-9*R) : 1+0.0004677*R+(T-60)*(api/gg)*(1.751e-5-1.811e-8*R)
  if (f==2) { F=R*(gg/go)^0.526+0.968*T; A=log10(F); return 1+10^(-6.58511+2.91329*A-0.27683*A*A) }
  if (f==3) { F=R^0.74239*gg^0.323294*go^-1.20204; return 0.497069+0.000862963*(T+460)+0.00182594*F+3.18099e-6*F*F }
  if (f==4) { X=R^0.3738*gg^0.2914/go^0.6265+0.24626*T^0.5371; return 1.0113+7.2046e-5*X^3.0936 }
  if (f==5) { F=R^0.773572*gg^0.40402*go^-0.882605; return 0.0431935+0.00156667*(T+460)+0.00139775*F+3.80525e-6*F*F }
  if (f==6) { F=R^0.5956*gg^0.2369*go^-0.13282+0.0976*T; return 1+10^(-2.6541+0.5516*log10(F)+0.331*2*log10(F)) }
  if (f==7) { Tk=(T+460)*5/9; Rm=R/5.615; return api>30 ? 0.3321+0.000788374*Rm+0.002335*Rm*gg/go+0.0020855*Tk : 1.0232+0.0001065*(Rm*(gg/go+1.8*Tk-459.67))^0.79 }
  if (f==8) { F=R^0.755*gg^0.25*go^-1.5+0.45*T; return 0.98496+0.0001*F^1.5 }
}
function cou(f, R, T, gg, api, p) {
  if (f==4) return 1.705e-7*R^0.69357*gg^0.1885*api^0.3272*T^0.6729*p^-0.5906
  return (5*R+17.2*T-1180*gg+12.61*api-1433)/(1e5*p)
}
function muo(api, T, R, p, pb,   a, mod, A, B, m, L) {
  a=10^(0.43+8.33/api); mod=(0.32+1.8e7/api^4.53)*(360/(T+200))^a
  A=10^(2.2e-7*R*R-0.00074*R); B=0.68/10^(8.62e-5*R)+0.25/10^(0.0011*R)+0.062/10^(0.00374*R)
  m=A*mod^B
  if (p>pb) { L=log(m); m+= 0.001*exp(0.091*L*L+0.98*L-2.68)*(p-pb) }
  return m
}
BEGIN {
  split("35 38 32 33 36 34 28 26 40", API); split("0.75 0.80 0.70 0.85 0.78 0.90 0.72 0.82 0.65", GG); split("180 200 160 220 190 210 170 150 230", TT)
  for (f=0; f<9; f++) {
    api=API[f+1]; gg=GG[f+1]; T=TT[f+1]
    # GOR mode below pb: GOR 0.8, p 1200
    pb=Pb(f,gg,800,T,api); r=Rs(f,gg,1200,T,api); b=Bo(f,gg,T,api,r)
    printf "fam %d GOR/below: pb=%.3f rs=%.5f bo=%.5f muo=%.4f\n", f, pb, r/1000, b, muo(api,T,r,1200,pb)
    # bubble-point mode above pb: pb 2200, p 4000
    rsb=Rs(f,gg,2200,T,api); b=Bo(f,gg,T,api,rsb); c=cou(f,rsb,T,gg,api,4000); b=b*exp(-c*1800)
    printf "fam %d PB/above: rsb=%.5f bo=%.5f co=%.3f muo=%.4f\n", f, rsb/1000, b, c*1e6, muo(api,T,rsb,4000,2200)
  }
}
